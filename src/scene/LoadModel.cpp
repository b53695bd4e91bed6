#include "scene/LoadModel.h"

#include "engine/Engine.h"
#include "engine/Frame.h"
#include "engine/MeshBuilder.h"
#include "platform/MessageBox.h"

#include <QCoreApplication>

namespace qor {

namespace {

void ShowLoadError(const QString& text) {
    ShowMessageBox(nullptr, text, QCoreApplication::translate("qor::LoadModel", "Ошибка !"),
                   MsgIcon::Warning, MsgButtons::Ok);
}

} // namespace

bool LoadModel(IDirect3DRM* engine, IDirect3DRMFrame* frame, const QString& fileName,
               double xScale) {
    RefPtr<IDirect3DRMMeshBuilder> meshBuilder;
    if (Failed(engine->CreateMeshBuilder(meshBuilder))) {
        return false;
    }
    if (Failed(meshBuilder->Load(fileName.toUtf8().constData(), nullptr, D3DRMLOAD_FROMFILE))) {
        meshBuilder.reset();
        ShowLoadError(QCoreApplication::translate("qor::LoadModel",
                                                  "Не могу загрузить файлы конструкции.\n"));
        return false;
    }
    if (xScale != 1.0) {
        // The result is not examined: a finite scale is always taken.
        (void)meshBuilder->Scale(static_cast<D3DVALUE>(xScale), 1, 1);
    }
    if (Failed(frame->AddVisual(meshBuilder.get()))) {
        meshBuilder.reset();
        ShowLoadError(
            QCoreApplication::translate("qor::LoadModel", "Ошибка при создании конструкции.\n"));
        return false;
    }
    meshBuilder.reset();
    return true;
}

} // namespace qor
