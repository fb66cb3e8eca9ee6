#include "main_window.h"

#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <array>
#include <cmath>
#include <exception>
#include <memory>
#include <string_view>

#include "font_conversion.h"
#include "generation_run.h"
#include "numbers.h"
#include "program_file.h"
#include "splash.h"

namespace scrivafresa {
namespace {

// The window's own face. "宋体" is a Song face; AR PL UMing is the Song (Ming) face that every
// machine has here.
const QString kSongFace = QStringLiteral("宋体");
const QString kInstalledSongFace = QStringLiteral("AR PL UMing CN");
constexpr int kWindowFontPixels = 12;

QFont SongFont() {
    if (QFont::substitute(kSongFace) != kInstalledSongFace)
        QFont::insertSubstitution(kSongFace, kInstalledSongFace);
    QFont font(kSongFace);
    font.setPixelSize(kWindowFontPixels);
    return font;
}

int ScreenPixelsPerInch() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int dpi = screen ? static_cast<int>(std::lround(screen->logicalDotsPerInchY())) : 0;
    return dpi > 0 ? dpi : 96;
}

std::string_view View(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

// Labels take the size their caption needs, from their place in the layout.
QLabel* PlacedLabel(QWidget* parent, const QString& caption, int left, int top) {
    auto* label = new QLabel(caption, parent);
    label->move(left, top);
    label->adjustSize();
    return label;
}

QPlainTextEdit* Memo(QWidget* parent, Qt::ScrollBarPolicy vertical) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo->setVerticalScrollBarPolicy(vertical);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Reached by the mouse only: Tab goes past the memos.
    memo->setFocusPolicy(Qt::ClickFocus);
    memo->setTabChangesFocus(true);
    return memo;
}

QPushButton* Button(QWidget* parent, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    // Enter presses the button that has the focus; no button is the window's default.
    button->setAutoDefault(true);
    return button;
}

const QStringList kInstructions = {
    QStringLiteral("1）输入文本"),
    QStringLiteral("2）更改字体"),
    QStringLiteral("3）按按钮生成"),
    QStringLiteral("4）保存的程序生成"),
    QString(),
    QStringLiteral("小提示"),
    QStringLiteral("需要改变生成的文字大小？预览"),
    QStringLiteral("增加和缩小字体大小从100到1"),
};

}  // namespace

TForm1::TForm1(WindowServices services)
    : QWidget(nullptr), services_(std::move(services)), pixelsPerInch_(ScreenPixelsPerInch()) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Programma per trasformare scritte TTF in programmi GCode"));
    setFont(SongFont());
    resize(kClientSize);
    BuildControls();

    EngravingFont font;
    font.Name = "Verdana";
    font.Height = HeightFromPoints(36, pixelsPerInch_);
    font.Charset = kGb2312Charset;  // taken over from the window's font
    font.Color = kColorRed;
    TestoDaScrivere->setEngravingFont(font);
    SetPenWidthFromDiametro();
    Testo->setCanvasFont(font);

    SaveDialog1.title = QStringLiteral("保存 程序 GCode");
    SaveDialog1.nameFilters = {QStringLiteral("File GCode standard (*.gc)"),
                               QStringLiteral("Tutti i file (*)")};
    SaveDialog1.defaultSuffix = QStringLiteral("gc");
    SaveDialog1.selectedNameFilter = SaveDialog1.nameFilters.front();

    ConnectHandlers();
    TestoDaScrivere->setFocus(Qt::ActiveWindowFocusReason);
    TestoDaScrivere->selectAll();
}

TForm1::~TForm1() = default;

void TForm1::BuildControls() {
    Label3 = PlacedLabel(this, QStringLiteral("文本"), 7, 7);
    TestoDaScrivere = new EngravingTextEdit(QStringLiteral("在这里输入要雕刻的文字"), this);
    TestoDaScrivere->setGeometry(38, 7, 739, 104);
    // A run engraves at most 255 characters; the edit takes no more.
    TestoDaScrivere->setMaxLength(255);

    Label5 = PlacedLabel(this, QStringLiteral("尺寸"), 52, 114);
    Label6 = PlacedLabel(this, QStringLiteral("100"), 124, 114);
    ScrollBar1 = new QScrollBar(Qt::Horizontal, this);
    ScrollBar1->setGeometry(152, 114, 113, 17);
    ScrollBar1->setRange(kMinScale, kMaxScale);
    ScrollBar1->setValue(100);
    ScrollBar1->setSingleStep(1);
    ScrollBar1->setPageStep(1);
    ScrollBar1->setFocusPolicy(Qt::StrongFocus);

    Font = Button(this, QStringLiteral("更改字体"));
    Font->setGeometry(280, 119, 256, 26);
    Generate = Button(this, QStringLiteral("生成"));
    Generate->setGeometry(544, 117, 241, 28);
    // Its own font, the window's face in teal.
    Generate->setFont(SongFont());
    QPalette teal = Generate->palette();
    teal.setColor(QPalette::ButtonText, QColor(0x00, 0x80, 0x80));
    Generate->setPalette(teal);

    Memo1 = Memo(this, Qt::ScrollBarAlwaysOn);
    Memo1->setGeometry(47, 141, 226, 188);
    Salva = Button(this, QStringLiteral("保存 生成 GCode"));
    Salva->setGeometry(45, 333, 228, 20);

    Label7 = PlacedLabel(this, QStringLiteral("铣刀直径："), 292, 197);
    Diametro = new SelectingLineEdit(QStringLiteral("1"), this);
    Diametro->setGeometry(396, 197, 39, 21);
    Label1 = PlacedLabel(this, QStringLiteral("Z 位移"), 292, 231);
    P1 = new SelectingLineEdit(QStringLiteral("2"), this);
    P1->setGeometry(396, 231, 39, 21);
    Label2 = PlacedLabel(this, QStringLiteral("Z 雕刻深度"), 292, 264);
    P2 = new SelectingLineEdit(QStringLiteral("-1"), this);
    P2->setGeometry(396, 265, 39, 21);

    GroupBox1 = new QGroupBox(QStringLiteral("材料尺寸"), this);
    GroupBox1->setGeometry(289, 293, 496, 60);
    Label4 = PlacedLabel(GroupBox1, QStringLiteral("该物质的尺寸？可以推导出切口以上零点"), 7, 20);
    Dimensioni = PlacedLabel(GroupBox1, QString(), 7, 39);

    GroupBox2 = new QGroupBox(QStringLiteral("简要说明："), this);
    GroupBox2->setGeometry(456, 152, 329, 145);
    Memo3 = Memo(GroupBox2, Qt::ScrollBarAlwaysOff);
    Memo3->setGeometry(8, 16, 313, 121);
    Memo3->setPlainText(kInstructions.join(QLatin1Char('\n')));

    Testo = new PreviewImage(this);
    Testo->setGeometry(7, 359, PreviewImage::kWidth, PreviewImage::kHeight);

    const std::array<QWidget*, 8> tabOrder = {TestoDaScrivere, ScrollBar1, Font, Generate,
                                              Diametro,        P1,         P2,   Salva};
    for (std::size_t i = 1; i < tabOrder.size(); ++i) setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

void TForm1::ConnectHandlers() {
    connect(Generate, &QPushButton::clicked, this,
            [this] { Handle(Generate, &TForm1::GenerateClick); });
    connect(Font, &QPushButton::clicked, this, [this] { Handle(Font, &TForm1::FontClick); });
    connect(Salva, &QPushButton::clicked, this, [this] { Handle(Salva, &TForm1::SalvaClick); });
    connect(ScrollBar1, &QScrollBar::valueChanged, this,
            [this] { Handle(ScrollBar1, &TForm1::ScrollBar1Change); });
    connect(Diametro, &QLineEdit::textChanged, this,
            [this] { Handle(Diametro, &TForm1::DiametroChange); });
}

void TForm1::Handle(QObject* sender, void (TForm1::*handler)(QObject*)) {
    try {
        (this->*handler)(sender);
    } catch (const std::exception& failure) {
        services_.showError(this, QString::fromLocal8Bit(failure.what()));
    }
}

void TForm1::SetEngravingFont(const EngravingFont& font) {
    TestoDaScrivere->setEngravingFont(font);
    Testo->setCanvasFont(font);
}

void TForm1::SetPenWidthFromDiametro() {
    Testo->setPenWidth(ReadWholeNumber(View(Diametro->text().toUtf8())));
}

void TForm1::GenerateClick(QObject*) {
    Memo1->clear();
    Testo->ClearPreview();
    // The emptied memo and the cleared preview reach the screen before the run blocks.
    repaint();

    const QByteArray text = TestoDaScrivere->text().toUtf8();
    const QByteArray travel = P1->text().toUtf8();
    const QByteArray depth = P2->text().toUtf8();
    const EngravingProgram program = RunGeneration(outlines_, View(text), Testo->canvasFont(),
                                                   ScrollBar1->value(), View(travel), View(depth));

    // The whole program in one step: appending line by line is far slower for long programs.
    Memo1->setPlainText(MemoTextOf(program.text));
    Testo->MoveTo(QPoint(0, 0));
    Testo->DrawStrokes(program.strokes);
    Dimensioni->setText(QString::fromStdString(program.extents));
    Dimensioni->adjustSize();
}

void TForm1::FontClick(QObject*) {
    const EngravingFont current = TestoDaScrivere->engravingFont();
    FontDialog1.font = DialogFont(current, pixelsPerInch_);
    const std::optional<QFont> chosen = services_.chooseFont(this, FontDialog1.font);
    if (!chosen) return;
    FontDialog1.font = *chosen;
    SetEngravingFont(ChosenEngravingFont(*chosen, current, pixelsPerInch_));
    SetPenWidthFromDiametro();
}

void TForm1::ScrollBar1Change(QObject*) {
    Label6->setText(QString::number(ScrollBar1->value()));
    Label6->adjustSize();
}

void TForm1::DiametroChange(QObject*) {
    SetPenWidthFromDiametro();
}

void TForm1::SalvaClick(QObject*) {
    if (!services_.chooseSavePath(this, SaveDialog1)) return;
    const SaveOutcome outcome =
        SaveProgramFile(SaveDialog1.fileName, ProgramFileBytes(*Memo1->document()));
    if (!outcome.saved) services_.showError(this, outcome.message);
}

void TForm1::FormShow(QObject*) {
    // The splash lives only while this runs; nothing else refers to it.
    auto splash = std::make_unique<TFrmSplash>();
    splash->ShowCentred();
    services_.holdSplash(kSplashTime);
}

void TForm1::setVisible(bool visible) {
    if (visible && !isVisible()) {
        Handle(this, &TForm1::FormShow);
        if (!placed_) {
            if (const QScreen* screen = QGuiApplication::primaryScreen())
                move(CentredOrigin(screen->geometry(), kOuterSize));
            placed_ = true;
        }
    }
    QWidget::setVisible(visible);
}

}  // namespace scrivafresa
