// The window as it comes up: every control in its place with its text, the fonts, the scale
// and the way the keyboard moves through the controls.
#include <QAbstractSlider>
#include <QFontInfo>
#include <QGroupBox>
#include <QSignalSpy>
#include <QTest>

#include "desktop_stand_in.h"

namespace scrivafresa::testing {
namespace {

QString TextOf(const QWidget* widget) {
    if (auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
    if (auto* edit = qobject_cast<const QLineEdit*>(widget)) return edit->text();
    if (auto* button = qobject_cast<const QPushButton*>(widget)) return button->text();
    if (auto* box = qobject_cast<const QGroupBox*>(widget)) return box->title();
    if (auto* memo = qobject_cast<const QPlainTextEdit*>(widget)) return memo->toPlainText();
    return {};
}

struct Placement {
    const char* name;
    QWidget* widget;
    QWidget* parent;
    QRect geometry;  // a label's size follows its caption: only its position counts
    QString text;
};

TEST_F(WindowTest, ControlsStandWhereTheLayoutPutsThemWithTheirTexts) {
    TForm1& f = *form;
    const QString instructions = QStringLiteral(
        "1）输入文本\n2）更改字体\n3）按按钮生成\n4）保存的程序生成\n\n小提示\n"
        "需要改变生成的文字大小？预览\n增加和缩小字体大小从100到1");
    const std::vector<Placement> layout = {
        {"Label3", f.Label3, &f, {7, 7, 24, 18}, QStringLiteral("文本")},
        {"TestoDaScrivere",
         f.TestoDaScrivere,
         &f,
         {38, 7, 739, 104},
         QStringLiteral("在这里输入要雕刻的文字")},
        {"Label5", f.Label5, &f, {52, 114, 24, 15}, QStringLiteral("尺寸")},
        {"Label6", f.Label6, &f, {124, 114, 18, 18}, QStringLiteral("100")},
        {"ScrollBar1", f.ScrollBar1, &f, {152, 114, 113, 17}, {}},
        {"Font", f.Font, &f, {280, 119, 256, 26}, QStringLiteral("更改字体")},
        {"Generate", f.Generate, &f, {544, 117, 241, 28}, QStringLiteral("生成")},
        {"Memo1", f.Memo1, &f, {47, 141, 226, 188}, {}},
        {"Salva", f.Salva, &f, {45, 333, 228, 20}, QStringLiteral("保存 生成 GCode")},
        {"Label7", f.Label7, &f, {292, 197, 60, 20}, QStringLiteral("铣刀直径：")},
        {"Diametro", f.Diametro, &f, {396, 197, 39, 21}, QStringLiteral("1")},
        {"Label1", f.Label1, &f, {292, 231, 34, 18}, QStringLiteral("Z 位移")},
        {"P1", f.P1, &f, {396, 231, 39, 21}, QStringLiteral("2")},
        {"Label2", f.Label2, &f, {292, 264, 58, 17}, QStringLiteral("Z 雕刻深度")},
        {"P2", f.P2, &f, {396, 265, 39, 21}, QStringLiteral("-1")},
        {"GroupBox1", f.GroupBox1, &f, {289, 293, 496, 60}, QStringLiteral("材料尺寸")},
        {"Label4",
         f.Label4,
         f.GroupBox1,
         {7, 20, 216, 13},
         QStringLiteral("该物质的尺寸？可以推导出切口以上零点")},
        {"Dimensioni", f.Dimensioni, f.GroupBox1, {7, 39, 226, 17}, {}},
        {"GroupBox2", f.GroupBox2, &f, {456, 152, 329, 145}, QStringLiteral("简要说明：")},
        {"Memo3", f.Memo3, f.GroupBox2, {8, 16, 313, 121}, instructions},
        {"Testo", f.Testo, &f, {7, 359, 778, 202}, {}},
    };
    for (const Placement& control : layout) {
        SCOPED_TRACE(control.name);
        EXPECT_EQ(control.widget->parentWidget(), control.parent);
        EXPECT_EQ(TextOf(control.widget), control.text);
        if (qobject_cast<QLabel*>(control.widget))
            EXPECT_EQ(control.widget->pos(), control.geometry.topLeft());
        else
            EXPECT_EQ(control.widget->geometry(), control.geometry);
        // The client area holds every control whole.
        const QRect onForm(control.widget->mapTo(&f, QPoint(0, 0)), control.widget->size());
        EXPECT_TRUE(f.rect().contains(onForm)) << onForm.x() << "," << onForm.y();
    }
    EXPECT_EQ(f.windowTitle(),
              QStringLiteral("Programma per trasformare scritte TTF in programmi GCode"));
}

TEST_F(WindowTest, ScaleStartsAt100AndTheLabelFollowsEveryPosition) {
    QScrollBar* scale = form->ScrollBar1;
    EXPECT_EQ(scale->minimum(), 1);
    EXPECT_EQ(scale->maximum(), 500);
    EXPECT_EQ(scale->value(), 100);
    EXPECT_EQ(scale->singleStep(), 1);
    EXPECT_EQ(scale->pageStep(), 1);

    struct Step {
        QAbstractSlider::SliderAction action;
        int position;
        const char* label;
    };
    QSignalSpy changes(scale, &QScrollBar::valueChanged);
    scale->setValue(2);
    for (const Step& step : {Step{QAbstractSlider::SliderSingleStepSub, 1, "1"},
                             Step{QAbstractSlider::SliderSingleStepSub, 1, "1"},
                             Step{QAbstractSlider::SliderPageStepAdd, 2, "2"},
                             Step{QAbstractSlider::SliderToMaximum, 500, "500"},
                             Step{QAbstractSlider::SliderSingleStepAdd, 500, "500"}}) {
        scale->triggerAction(step.action);
        EXPECT_EQ(scale->value(), step.position);
        EXPECT_EQ(form->Label6->text(), QString::fromLatin1(step.label));
    }
    // A step at an end of the range is no change.
    EXPECT_EQ(changes.count(), 4);

    // Dragging the thumb reports every position on the way.
    scale->setSliderDown(true);
    for (int position : {499, 250, 37}) {
        scale->setSliderPosition(position);
        EXPECT_EQ(form->Label6->text(), QString::number(position));
    }
    scale->setSliderDown(false);
}

TEST_F(WindowTest, FontsOfTheWindowTheButtonAndTheEngraving) {
    const QFontInfo window(form->font());
    EXPECT_EQ(window.family(), QStringLiteral("AR PL UMing CN"));
    EXPECT_EQ(window.pixelSize(), 12);
    EXPECT_EQ(QFontInfo(form->Label4->font()).family(), QStringLiteral("AR PL UMing CN"));

    EXPECT_EQ(QFontInfo(form->Generate->font()).family(), QStringLiteral("AR PL UMing CN"));
    EXPECT_EQ(form->Generate->palette().color(QPalette::ButtonText), QColor(0, 128, 128));

    // 36 points on a screen of 96 pixels per inch: an em of 48 pixels.
    EngravingFont engraving;
    engraving.Name = "Verdana";
    engraving.Height = -48;
    engraving.Charset = kGb2312Charset;
    engraving.Color = kColorRed;
    EXPECT_EQ(form->TestoDaScrivere->engravingFont(), engraving);
    EXPECT_EQ(form->Testo->canvasFont(), engraving);
    EXPECT_EQ(QFontInfo(form->TestoDaScrivere->font()).pixelSize(), 48);
    EXPECT_EQ(form->TestoDaScrivere->palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_EQ(form->Testo->penWidth(), 1);
}

TEST_F(WindowTest, TheTextToEngraveHoldsAtMost255Characters) {
    form->TestoDaScrivere->setText(QString(300, QLatin1Char('W')));
    EXPECT_EQ(form->TestoDaScrivere->text().size(), 255);

    const QString chinese = QStringLiteral("雕刻文字").repeated(22).left(85);
    form->TestoDaScrivere->setText(chinese);
    EXPECT_EQ(form->TestoDaScrivere->text(), chinese);

    // Typing past the limit adds nothing.
    form->TestoDaScrivere->setText(QString(254, QLatin1Char('a')));
    form->TestoDaScrivere->end(false);
    QTest::keyClicks(form->TestoDaScrivere, QStringLiteral("bcd"));
    EXPECT_EQ(form->TestoDaScrivere->text(), QString(254, QLatin1Char('a')) + QLatin1Char('b'));
}

class ShownWindowTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
};

TEST_F(ShownWindowTest, StartsInTheTextWithItsPromptSelected) {
    EXPECT_EQ(QApplication::focusWidget(), form->TestoDaScrivere);
    EXPECT_EQ(form->TestoDaScrivere->selectedText(), QStringLiteral("在这里输入要雕刻的文字"));
}

TEST_F(ShownWindowTest, TabGoesThroughTheControlsInOrderAndSelectsEditTexts) {
    const std::vector<QWidget*> forward = {
        form->ScrollBar1, form->Font, form->Generate, form->Diametro,
        form->P1,         form->P2,   form->Salva,    form->TestoDaScrivere};
    for (QWidget* expected : forward) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), expected) << expected->objectName().toStdString();
        if (auto* edit = qobject_cast<QLineEdit*>(expected)) {
            EXPECT_EQ(edit->selectedText(), edit->text());
        }
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), form->Salva);
}

TEST_F(ShownWindowTest, EnterOrSpaceOnAButtonPressesItOnceAndEnterInAnEditPressesNothing) {
    QSignalSpy generated(form->Generate, &QPushButton::clicked);
    QSignalSpy fontClicked(form->Font, &QPushButton::clicked);
    form->Generate->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form->Generate, Qt::Key_Return);
    QTest::keyClick(form->Generate, Qt::Key_Space);
    EXPECT_EQ(generated.count(), 2);

    for (QLineEdit* edit :
         {static_cast<QLineEdit*>(form->TestoDaScrivere), static_cast<QLineEdit*>(form->P1)}) {
        edit->setFocus(Qt::TabFocusReason);
        QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClick(edit, Qt::Key_Escape);
    }
    EXPECT_EQ(generated.count(), 2);
    EXPECT_EQ(fontClicked.count(), 0);
    EXPECT_TRUE(form->isVisible());
}

}  // namespace
}  // namespace scrivafresa::testing
