// The three passes that empty a frame (lights, visuals, child frames), written once for any
// frame type with the engine's array getters and deletes, so that tests can make any call fail.
// A failed call is reported with the failure box and ends the clearing at once.
#pragma once

#include "engine/RefPtr.h"
#include "engine/Results.h"
#include "view/D3dUtil.h"

#include <cstdint>

namespace qor {

// Where each call of a pass is reported: line numbers and expressions of the failure box.
struct ClearPassText {
    int getLine;
    const char* get;
    int elementLine;
    const char* element;
    int deleteLine;
    const char* remove;
};

inline constexpr char kD3dUtilModule[] = "D3DUTIL\\d3dutil";

// One pass: take the array, delete every element from the frame, release the array. False
// when a call failed (it has been reported).
template <class Frame, class Array, class Item>
bool ClearPass(Frame& frame, HRESULT (Frame::*get)(RefPtr<Array>&) const,
               HRESULT (Frame::*remove)(Item*), const ClearPassText& text) {
    RefPtr<Array> items;
    HRESULT result = (frame.*get)(items);
    if (Failed(result)) {
        ReportFailure(kD3dUtilModule, text.getLine, result, text.get);
        return false;
    }
    // The size is read again before each element, as the array could change under a delete.
    for (std::uint32_t i = 0; i < items->GetSize(); ++i) {
        RefPtr<Item> item;
        result = items->GetElement(i, item);
        if (Failed(result)) {
            ReportFailure(kD3dUtilModule, text.elementLine, result, text.element);
            return false;
        }
        result = (frame.*remove)(item.get());
        if (Failed(result)) {
            ReportFailure(kD3dUtilModule, text.deleteLine, result, text.remove);
            return false;
        }
    }
    return true;
}

template <class Frame> void ClearFrameContents(Frame* frame) {
    if (frame == nullptr) {
        return;
    }
    ClearPass(*frame, &Frame::GetLights, &Frame::DeleteLight,
              {148, "IPar->GetLights(&ILights)", 152, "ILights->GetElement(i, &Ilight)", 153,
               "IPar->DeleteLight(Ilight)"}) &&
        ClearPass(*frame, &Frame::GetVisuals, &Frame::DeleteVisual,
                  {159, "IPar->GetVisuals(&IVisuals)", 163, "IVisuals->GetElement(i, &Ivisual)",
                   164, "IPar->DeleteVisual(Ivisual)"}) &&
        ClearPass(*frame, &Frame::GetChildren, &Frame::DeleteChild,
                  {170, "IPar->GetChildren(&IFrames)", 174, "IFrames->GetElement(i, &Iframe)", 175,
                   "IPar->DeleteChild(Iframe)"});
}

} // namespace qor
