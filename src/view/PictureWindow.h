// PictureWindow: the native child window that shows a device's picture. It draws with the OpenGL
// context all picture windows share (PictureContext), which shares textures with the engine's, so
// presenting a frame is one copy (a draw of the picture's texture) and one swap, with nothing
// composed through the widgets' backing store. It lets every input event through to the widgets
// beneath it (the view host and its TVport children): they keep their mouse events, and the window
// never takes the keyboard focus.
#pragma once

#include <QImage>
#include <QWindow>

#include <functional>
#include <memory>

namespace qor {

class PictureContext;

class PictureWindow : public QWindow {
public:
    // exposed is called whenever the window system shows the window anew.
    explicit PictureWindow(std::function<void()> exposed);
    ~PictureWindow() override;

    // Copies the top-left part of the picture (a texture of the engine's, of size picture in
    // pixels; 0 for none) to the window, black where it does not reach, and swaps. The copy
    // waits for fence, the engine's sign that the picture is complete (null: none). False when
    // the window cannot be drawn now: not exposed, or no OpenGL.
    bool Present(unsigned texture, void* fence, QSize picture);
    // Draws as Present does and reads back what the window then shows; null when it cannot.
    QImage Grab(unsigned texture, void* fence, QSize picture);

protected:
    void exposeEvent(QExposeEvent* event) override;

private:
    bool Draw(unsigned texture, void* fence, QSize picture);

    std::function<void()> exposed_;
    PictureContext* context_ = nullptr; // the windows' shared context, once drawn
};

} // namespace qor
