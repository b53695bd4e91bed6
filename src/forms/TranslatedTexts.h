// The texts of a window that follow the language. Each text is recorded with its source (the
// Russian text, marked for the translation tools where it is written) and the way it is shown;
// Retranslate shows them all again in the language now installed, so a window handles a change of
// language in one call.
#pragma once

#include <QString>

#include <functional>
#include <vector>

class QAbstractButton;
class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QObject;
class QTabWidget;
class QWidget;

namespace qor {

// Which text of a control a source is for. A control has one source per part; the items of a list
// or the tabs of a tab bar are parts Item + index.
enum class TextPart {
    Text,                  // a caption, a title, a menu's or a window's title
    Hint,                  // the "short|long" hint: tooltip and status-bar text
    AccessibleName,        // what a screen reader calls the control
    AccessibleDescription, // what a screen reader reads after the name
    Item,                  // Item + index: the index-th item or tab
};

class TranslatedTexts {
public:
    using Show = std::function<void(const QString& text)>;

    // Sources are looked up under `context`, the class name the translation tools give them.
    explicit TranslatedTexts(const char* context) : context_(context) {}

    // The translation of a source in the language installed now.
    QString Tr(const char* source) const;

    // Shows the translation of `source` with `show`, now and at every Retranslate. A later source
    // for the same control and part replaces this one, so a caption that tells a state (run or
    // stop) comes back in the state it shows. `source` is a string literal.
    void Set(const QObject* control, TextPart part, const char* source, Show show, int index = 0);
    // The source that the control's part shows; null when it has none.
    const char* Source(const QObject* control, TextPart part, int index = 0) const;

    // Shows every text again in the language installed now.
    void Retranslate() const;

    // The usual parts of the usual controls; each returns the control.
    QLabel* Text(QLabel* label, const char* source);
    template <class Button> Button* Text(Button* button, const char* source) {
        SetButtonText(button, source);
        return button;
    }
    QAction* Text(QAction* action, const char* source);
    QMenu* Text(QMenu* menu, const char* source);
    QGroupBox* Text(QGroupBox* group, const char* source);
    void WindowTitle(QWidget* window, const char* source);
    // The hint "short|long" of a control; a control that shows no text (an icon-only button) is
    // also named after the short part.
    void Hint(QWidget* control, const char* source, bool namedAfterHint = false);
    void Hint(QAction* action, const char* source);
    void AccessibleName(QWidget* control, const char* source);
    void Tab(QTabWidget* tabs, int index, const char* source);
    void Item(QComboBox* combo, int index, const char* source);

private:
    void SetButtonText(QAbstractButton* button, const char* source);

    struct Entry {
        const QObject* control;
        int part; // TextPart, plus the index for items
        const char* source;
        Show show;
    };
    const char* context_;
    std::vector<Entry> entries_;
};

// Qt names the buttons it adds to a tab bar (scrolling) and to a dock window's title (float,
// close) once, when it makes them, in the language of that moment: names those of the window
// again.
void RetranslateToolkitButtons(const QWidget* window);

} // namespace qor
