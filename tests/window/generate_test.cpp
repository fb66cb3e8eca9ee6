// Pressing Generate: the program in the memo, the extents and the toolpath drawing, and the
// preview's pen.
#include <QFile>
#include <QImage>
#include <algorithm>
#include <string>

#include "desktop_stand_in.h"
#include "generation_run.h"
#include "program_file.h"

namespace scrivafresa::testing {
namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kBlue = qRgb(0, 0, 255);

std::string MemoBytes(const TForm1& form) {
    return ProgramFileBytes(*form.Memo1->document()).toStdString();
}

// The bounding box of the pixels of one colour, the frame left out.
QRect BoxOf(const QImage& picture, QRgb colour) {
    QRect box;
    for (int y = 1; y < picture.height() - 1; ++y)
        for (int x = 1; x < picture.width() - 1; ++x)
            if (picture.pixel(x, y) == colour) box |= QRect(x, y, 1, 1);
    return box;
}

int CountOf(const QImage& picture, QRgb colour) {
    int count = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) count += picture.pixel(x, y) == colour;
    return count;
}

class GenerateTest : public WindowTest {
  protected:
    // What a person does to engrave in DejaVu Sans at 36 points.
    void ChooseDejaVuSans() {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSize(36);
        desktop.fontAnswer = font;
        form->Font->click();
    }

    EngravingProgram Expected(const QString& text, int scale = 100) {
        const QByteArray bytes = text.toUtf8();
        return RunGeneration(source_, {bytes.constData(), static_cast<std::size_t>(bytes.size())},
                             form->Testo->canvasFont(), scale, form->P1->text().toStdString(),
                             form->P2->text().toStdString());
    }

    OutlineSource source_;
};

TEST_F(GenerateTest, MemoHoldsTheProgramTheCommandLineWritesForTheSameInputs) {
    // The command line wrote this from DejaVu Sans at its defaults, the window's defaults.
    QFile golden(QStringLiteral(SCRIVAFRESA_GOLDEN_DIR "/word_at_defaults.gc"));
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly));
    const std::string expected = golden.readAll().toStdString();
    ASSERT_FALSE(expected.empty());

    ChooseDejaVuSans();
    form->TestoDaScrivere->setText(QStringLiteral("Scrivafresa"));
    form->Generate->click();
    EXPECT_TRUE(MemoBytes(*form) == expected);
    EXPECT_EQ(form->Dimensioni->text(), QStringLiteral("-x=0 -y=0 x=263 y=46"));
}

TEST_F(GenerateTest, ProgramExtentsAndPictureFollowTheInputs) {
    struct Case {
        const char* name;
        QString text;
        int scale;
        const char* travel;
        const char* depth;
    };
    const std::vector<Case> cases = {
        {"default prompt", QStringLiteral("在这里输入要雕刻的文字"), 100, "2", "-1"},
        {"small scale, odd heights", QStringLiteral("Ag"), 7, "2.5", " -3mm"},
        {"largest scale", QStringLiteral("Wq"), 500, "abc", "-1"},
        {"blanks only", QStringLiteral("   "), 100, "2", "-1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        form->TestoDaScrivere->setText(c.text);
        form->ScrollBar1->setValue(c.scale);
        form->P1->setText(QString::fromUtf8(c.travel));
        form->P2->setText(QString::fromUtf8(c.depth));
        form->Generate->click();

        const EngravingProgram expected = Expected(c.text, c.scale);
        EXPECT_TRUE(MemoBytes(*form) == expected.text);
        EXPECT_EQ(form->Dimensioni->text().toStdString(), expected.extents);
    }
}

TEST_F(GenerateTest, EmptyTextGivesAnEmptyMemoZeroExtentsAndAFramedWhitePicture) {
    form->Generate->click();  // something to replace
    ASSERT_FALSE(form->Memo1->toPlainText().isEmpty());

    form->TestoDaScrivere->clear();
    form->Generate->click();
    EXPECT_TRUE(form->Memo1->toPlainText().isEmpty());
    EXPECT_EQ(form->Dimensioni->text(), QStringLiteral("-x=0 -y=0 x=0 y=0"));
    const QImage& picture = form->Testo->picture();
    EXPECT_EQ(CountOf(picture, kBlack), 2 * 778 + 2 * 202 - 4);
    EXPECT_EQ(CountOf(picture, kWhite), 776 * 200);
}

TEST_F(GenerateTest, TwoRunsWithTheSameInputsLeaveTheSameResults) {
    form->Generate->click();
    const std::string firstProgram = MemoBytes(*form);
    const QString firstExtents = form->Dimensioni->text();
    const QImage firstPicture = form->Testo->picture().copy();

    form->Generate->click();
    EXPECT_TRUE(MemoBytes(*form) == firstProgram);
    EXPECT_EQ(form->Dimensioni->text(), firstExtents);
    EXPECT_TRUE(form->Testo->picture() == firstPicture);
}

TEST_F(GenerateTest, PreviewDrawsTheToolpathInBlueAndRedInsideABlackFrame) {
    form->Generate->click();
    const QImage& picture = form->Testo->picture();
    ASSERT_EQ(picture.size(), QSize(778, 202));

    // The first travel starts at (0, 0), over the frame.
    EXPECT_EQ(picture.pixel(0, 0), kBlue);
    for (const QPoint corner : {QPoint(777, 0), QPoint(0, 201), QPoint(777, 201), QPoint(400, 0),
                                QPoint(0, 100), QPoint(777, 100), QPoint(400, 201)})
        EXPECT_EQ(picture.pixel(corner), kBlack) << corner.x() << "," << corner.y();
    EXPECT_EQ(picture.pixel(760, 180), kWhite);
    // The control shows the picture unscaled.
    EXPECT_TRUE(form->Testo->grab().toImage().convertToFormat(QImage::Format_RGB32) == picture);

    const EngravingProgram expected = Expected(form->TestoDaScrivere->text());
    ASSERT_FALSE(expected.strokes.empty());
    const PreviewStroke& first = expected.strokes.front();
    ASSERT_EQ(first.kind, StrokeKind::Travel);
    // The first travel starts in the picture's corner: its first pixels inside the frame are blue.
    const QPoint firstInside((first.x * 3) / std::max(first.x, first.y),
                             (first.y * 3) / std::max(first.x, first.y));
    EXPECT_EQ(picture.pixel(firstInside), kBlue);

    // Every point the program cuts to is drawn; the cuts are red and lie on the glyphs.
    int drawnEnds = 0;
    for (const PreviewStroke& stroke : expected.strokes) {
        if (stroke.x < 1 || stroke.y < 1 || stroke.x > 776 || stroke.y > 200) continue;
        EXPECT_NE(picture.pixel(stroke.x, stroke.y), kWhite) << stroke.x << "," << stroke.y;
        ++drawnEnds;
    }
    EXPECT_GT(drawnEnds, 100);
    EXPECT_GT(CountOf(picture, kRed), 1000);
    const QRect red = BoxOf(picture, kRed);
    EXPECT_TRUE(QRect(QPoint(0, 0), QPoint(525, 49)).contains(red))
        << red.right() << "," << red.bottom();
}

TEST_F(GenerateTest, Scale200DoublesTheDrawingAboutTheCornerAndLargerScalesAreCutAtTheEdges) {
    form->TestoDaScrivere->setText(QStringLiteral("Ho"));
    form->Generate->click();
    const QRect atScale100 = BoxOf(form->Testo->picture(), kRed);

    form->ScrollBar1->setValue(200);
    form->Generate->click();
    const QRect atScale200 = BoxOf(form->Testo->picture(), kRed);
    EXPECT_NEAR(atScale200.left(), 2 * atScale100.left(), 2);
    EXPECT_NEAR(atScale200.top(), 2 * atScale100.top(), 2);
    EXPECT_NEAR(atScale200.right(), 2 * atScale100.right(), 2);
    EXPECT_NEAR(atScale200.bottom(), 2 * atScale100.bottom(), 2);

    form->ScrollBar1->setValue(400);
    // The strike-out runs past the right edge, the descender of g past the bottom.
    QFont struck(QStringLiteral("DejaVu Sans"), 36);
    struck.setStrikeOut(true);
    desktop.fontAnswer = struck;
    form->Font->click();
    form->TestoDaScrivere->setText(QStringLiteral("gauge engraver"));
    form->Generate->click();
    const QRect cut = BoxOf(form->Testo->picture(), kRed);
    EXPECT_EQ(cut.right(), 776);
    EXPECT_EQ(cut.bottom(), 200);
    EXPECT_EQ(form->Testo->picture().pixel(777, 100), kBlack);
}

TEST_F(GenerateTest, PenWidthFollowsTheCutterDiameterAsTyped) {
    struct Case {
        std::vector<const char*> typed;
        int width;
    };
    const std::vector<Case> cases = {
        {{"5"}, 5},   {{"5", "-3"}, 5}, {{"abc"}, 0},  {{"4", ""}, 0},
        {{"2.9"}, 2}, {{" 7x"}, 7},     {{"+12"}, 12}, {{"99999999999"}, 2147483647},
    };
    for (const Case& c : cases) {
        form->Diametro->setText(QStringLiteral("1"));
        for (const char* text : c.typed) form->Diametro->setText(QString::fromUtf8(text));
        EXPECT_EQ(form->Testo->penWidth(), c.width) << c.typed.back();
    }
}

TEST_F(GenerateTest, FrameAndStrokesShareTheCutterWidth) {
    form->Diametro->setText(QStringLiteral("5"));
    form->Diametro->setText(QStringLiteral("-3"));
    form->Generate->click();
    const QImage& wide = form->Testo->picture();
    EXPECT_EQ(wide.pixel(2, 100), kBlack);
    EXPECT_EQ(wide.pixel(6, 100), kWhite);
    const int wideRed = CountOf(wide, kRed);

    form->Diametro->setText(QStringLiteral("abc"));
    form->Generate->click();
    const QImage& thin = form->Testo->picture();
    EXPECT_EQ(thin.pixel(0, 100), kBlack);
    EXPECT_EQ(thin.pixel(1, 100), kWhite);
    EXPECT_GT(wideRed, 3 * CountOf(thin, kRed));
}

TEST_F(GenerateTest, AHugeCutterPaintsTheWholePictureWithoutFailing) {
    form->Diametro->setText(QStringLiteral("2000000000"));
    form->TestoDaScrivere->setText(QStringLiteral("I"));
    form->Generate->click();
    EXPECT_FALSE(form->Memo1->toPlainText().isEmpty());
    EXPECT_EQ(CountOf(form->Testo->picture(), kWhite), 0);
}

}  // namespace
}  // namespace scrivafresa::testing
