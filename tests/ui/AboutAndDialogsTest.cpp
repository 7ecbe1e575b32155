#include "AboutBox.h"
#include "LoadWindow.h"
#include "SaveWindow.h"
#include "UiFixture.h"

#include <QLabel>
#include <QTest>

#include <functional>
#include <memory>

namespace morvent::test {
namespace {

struct WindowCase {
    std::function<std::unique_ptr<QWidget>()> make;
    QString name;
    QString caption;
    QSize size;
};

TEST(AboutAndDialogsTest, WindowsHaveTheirNamesCaptionsAndSizes) {
    const std::vector<WindowCase> cases{
        {[] { return std::make_unique<TForm3>(); }, "Form3", "About", {636, 212}},
        {[] { return std::make_unique<TForm4>(); }, "Form4", "Save", {540, 362}},
        {[] { return std::make_unique<TForm5>(); }, "Form5", "Load", {540, 370}},
    };
    for (const WindowCase& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        const std::unique_ptr<QWidget> w = c.make();
        EXPECT_EQ(w->objectName(), c.name);
        EXPECT_EQ(w->windowTitle(), c.caption);
        EXPECT_TRUE(w->isWindow());
        EXPECT_EQ(w->windowModality(), Qt::NonModal);
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        EXPECT_EQ(w->size(), c.size);
    }
}

TEST(AboutAndDialogsTest, AboutBoxNamesProductAndMakerInFull) {
    TForm3 about;
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    const std::vector<std::pair<QLabel*, QString>> lines{
        {about.Label1, "Morvent    V1.00.01"},
        {about.Label2, "Quillon Electric Motor Science-Technology Co., LTD"}};
    for (const auto& [label, text] : lines) {
        EXPECT_EQ(label->text(), text);
        EXPECT_EQ(label->font().pixelSize(), 19);
        EXPECT_GE(label->width(), label->sizeHint().width()) << text.toStdString();
    }
}

} // namespace
} // namespace morvent::test
