#pragma once

#include <QLineEdit>

#include "engraving_font.h"

namespace scrivafresa {

// A single-line edit that selects its whole text when it gets the focus from the keyboard or
// from the window's activation, so that typing replaces it; a mouse click only places the caret.
class SelectingLineEdit : public QLineEdit {
    Q_OBJECT
  public:
    using QLineEdit::QLineEdit;

  protected:
    void focusInEvent(QFocusEvent* event) override;
};

// The edit holding the text to engrave. Its font is the engraving font, shown in the
// font's own colour.
class EngravingTextEdit : public SelectingLineEdit {
    Q_OBJECT
  public:
    using SelectingLineEdit::SelectingLineEdit;

    const EngravingFont& engravingFont() const { return font_; }
    void setEngravingFont(const EngravingFont& font);

  private:
    EngravingFont font_;
};

}  // namespace scrivafresa
