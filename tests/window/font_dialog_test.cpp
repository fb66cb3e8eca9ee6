// Choosing the engraving font: both copies change together, or neither does.
#include <QApplication>
#include <QFontDialog>
#include <QFontInfo>
#include <QTimer>

#include "desktop_stand_in.h"

namespace scrivafresa::testing {
namespace {

EngravingFont StartingFont() {
    EngravingFont font;
    font.Name = "Verdana";
    font.Height = -48;
    font.Charset = kGb2312Charset;
    font.Color = kColorRed;
    return font;
}

TEST_F(WindowTest, CancelledFontDialogChangesNothing) {
    form->Diametro->setText(QStringLiteral("3"));
    desktop.fontAnswer.reset();
    form->Font->click();
    form->Font->click();

    ASSERT_EQ(desktop.fontDialogOpenedOn.size(), 2u);
    for (const QFont& opened : desktop.fontDialogOpenedOn) {
        EXPECT_EQ(opened.family(), QStringLiteral("Verdana"));
        EXPECT_EQ(opened.pointSize(), 36);
        EXPECT_FALSE(opened.bold());
    }
    EXPECT_EQ(form->TestoDaScrivere->engravingFont(), StartingFont());
    EXPECT_EQ(form->Testo->canvasFont(), StartingFont());
}

TEST_F(WindowTest, ConfirmedFontDialogSetsBothCopiesAndThePenAgain) {
    QFont chosen(QStringLiteral("DejaVu Serif"));
    chosen.setPointSize(20);
    chosen.setWeight(QFont::DemiBold);
    chosen.setItalic(true);
    chosen.setUnderline(true);
    desktop.fontAnswer = chosen;
    form->Diametro->setText(QStringLiteral("4"));
    form->Testo->setPenWidth(9);
    form->Font->click();

    EngravingFont expected = StartingFont();
    expected.Name = "DejaVu Serif";
    expected.Height = -27;  // 20 points at 96 pixels per inch, to the nearest pixel
    expected.Style.bold = true;
    expected.Style.italic = true;
    expected.Style.underline = true;
    EXPECT_EQ(form->TestoDaScrivere->engravingFont(), expected);
    EXPECT_EQ(form->Testo->canvasFont(), expected);
    EXPECT_EQ(form->Testo->penWidth(), 4);
    const QFontInfo shown(form->TestoDaScrivere->font());
    EXPECT_EQ(shown.family(), QStringLiteral("DejaVu Serif"));
    EXPECT_TRUE(shown.italic());
    EXPECT_EQ(form->TestoDaScrivere->height(), 104);

    // The next dialog opens on what was chosen.
    desktop.fontAnswer.reset();
    form->Font->click();
    ASSERT_EQ(desktop.fontDialogOpenedOn.size(), 2u);
    EXPECT_EQ(desktop.fontDialogOpenedOn[1].family(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(desktop.fontDialogOpenedOn[1].pointSizeF(), 20.25);
    EXPECT_TRUE(desktop.fontDialogOpenedOn[1].italic());
}

TEST_F(WindowTest, ConfirmingTheFontDialogUnchangedKeepsTheFont) {
    WindowServices services = desktop.Services();
    services.chooseFont = [](QWidget*, const QFont& current) -> std::optional<QFont> {
        return current;
    };
    form = std::make_unique<TForm1>(services);
    form->Font->click();
    form->Font->click();
    EXPECT_EQ(form->TestoDaScrivere->engravingFont(), StartingFont());
    EXPECT_EQ(form->Testo->canvasFont(), StartingFont());
}

// The dialog the desktop really shows, answered from inside its own event loop.
TEST_F(WindowTest, DesktopFontDialogOpensOnTheFontAndOffersScalableFontsOnly) {
    const QFont start(QStringLiteral("DejaVu Sans"), 36);
    for (const bool confirm : {false, true}) {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFontDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            seen = true;
            EXPECT_TRUE(dialog->testOption(QFontDialog::ScalableFonts));
            EXPECT_EQ(dialog->currentFont().family(), QStringLiteral("DejaVu Sans"));
            EXPECT_EQ(dialog->currentFont().pointSize(), 36);
            confirm ? dialog->accept() : dialog->reject();
        });
        const std::optional<QFont> answer = DesktopServices().chooseFont(form.get(), start);
        EXPECT_TRUE(seen);
        ASSERT_EQ(answer.has_value(), confirm);
        if (answer) {
            EXPECT_EQ(answer->pointSize(), 36);
        }
    }
}

}  // namespace
}  // namespace scrivafresa::testing
