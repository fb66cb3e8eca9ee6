#pragma once

#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSize>
#include <QWidget>
#include <functional>

#include "engraving_font.h"
#include "outline_source.h"
#include "preview_image.h"
#include "text_edits.h"
#include "window_services.h"

namespace scrivafresa {

// The working window: the text and its font, the scale, the heights and the cutter diameter in,
// the program, its extents and the toolpath drawing out. The controls hold every value; the
// handlers copy values between them and the engraving core.
class TForm1 : public QWidget {
    Q_OBJECT
  public:
    // Outer size of the window, frame included, used to centre it.
    static constexpr QSize kOuterSize{800, 600};
    // The area the controls are laid out in.
    static constexpr QSize kClientSize{792, 566};

    explicit TForm1(WindowServices services = DesktopServices());
    ~TForm1() override;

    QPlainTextEdit* Memo1;
    QPushButton* Generate;
    QLabel* Label1;
    SelectingLineEdit* P1;
    QLabel* Label2;
    SelectingLineEdit* P2;
    PreviewImage* Testo;
    FontDialogSettings FontDialog1;
    QPushButton* Font;
    QLabel* Label3;
    EngravingTextEdit* TestoDaScrivere;
    QGroupBox* GroupBox1;
    QLabel* Label4;
    QLabel* Dimensioni;
    QScrollBar* ScrollBar1;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    SelectingLineEdit* Diametro;
    QPushButton* Salva;
    SaveDialogSettings SaveDialog1;
    QGroupBox* GroupBox2;
    QPlainTextEdit* Memo3;

    void GenerateClick(QObject* sender);
    void FontClick(QObject* sender);
    void ScrollBar1Change(QObject* sender);
    void DiametroChange(QObject* sender);
    void SalvaClick(QObject* sender);
    void FormShow(QObject* sender);

    // The screen's vertical resolution as read at start; font sizes in points use it.
    int pixelsPerInch() const { return pixelsPerInch_; }

    // Showing the window from hidden first runs FormShow; the first time it is also centred.
    void setVisible(bool visible) override;

  private:
    void BuildControls();
    void ConnectHandlers();
    // Both copies of the engraving font, always together.
    void SetEngravingFont(const EngravingFont& font);
    // The preview pen takes the cutter diameter as typed, read the permissive way.
    void SetPenWidthFromDiametro();
    // A handler that fails shows the failure in the error box; the window stays usable.
    void Handle(QObject* sender, void (TForm1::*handler)(QObject*));

    WindowServices services_;
    int pixelsPerInch_;
    OutlineSource outlines_;
    bool placed_ = false;
};

}  // namespace scrivafresa
