#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>
#include <vector>

#include "engraving_font.h"
#include "engraving_program.h"

namespace scrivafresa {

// The preview: a fixed picture on which each run draws its toolpath, shown unscaled. Its canvas
// keeps a pen width, a current position and a font (the font the outline is taken in) from one
// run to the next.
class PreviewImage : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kWidth = 778;
    static constexpr int kHeight = 202;

    explicit PreviewImage(QWidget* parent = nullptr);

    const QImage& picture() const { return picture_; }

    // The canvas font: the engraving font the outline is taken in. No text is drawn with it.
    const EngravingFont& canvasFont() const { return font_; }
    void setCanvasFont(const EngravingFont& font) { font_ = font; }

    // The cutter diameter in pixels; 0 draws one-pixel lines.
    int penWidth() const { return penWidth_; }
    void setPenWidth(int width);

    // White picture framed in black with the current pen; the current position stays.
    void ClearPreview();
    void MoveTo(QPoint position) { position_ = position; }
    // Each stroke runs from where the previous one ended, in its own colour.
    void DrawStrokes(const std::vector<PreviewStroke>& strokes);

    QSize sizeHint() const override { return picture_.size(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage picture_;
    EngravingFont font_;
    int penWidth_ = 1;
    QPoint position_;
};

}  // namespace scrivafresa
