#include "text_edits.h"

#include <QFocusEvent>
#include <QPalette>

#include "font_conversion.h"

namespace scrivafresa {

void SelectingLineEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    switch (event->reason()) {
        case Qt::TabFocusReason:
        case Qt::BacktabFocusReason:
        case Qt::ShortcutFocusReason:
        case Qt::ActiveWindowFocusReason:
            selectAll();
            break;
        default:
            break;
    }
}

void EngravingTextEdit::setEngravingFont(const EngravingFont& font) {
    font_ = font;
    setFont(DisplayFont(font));
    QPalette colours = palette();
    colours.setColor(QPalette::Text, ColorOf(font.Color));
    setPalette(colours);
}

}  // namespace scrivafresa
