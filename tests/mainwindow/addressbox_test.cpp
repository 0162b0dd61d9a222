// The address box and the address label: the short form on the label, the shown address after every
// navigation (and not while the user types), double-click, and Enter running the go command.
#include "support/program/program_fixture.h"
#include "forms/slots.h"

#include "mainwindow/addressbox.h"
#include "forms/form1.h"
#include "support/http_server.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QtTest/QTest>

namespace {

struct TextCase {
    QString text;
    QString expected;
};

TEST(AddressShortForm, DropsTheSchemeAndTheSlashAfterComOrNet) {
    const QString longHost = QString(1200, QLatin1Char('a'));
    const TextCase cases[] = {
        {"http://www.a.com/", "www.a.com"},
        {"https://www.a.net/", "www.a.net"},
        {"http://www.a.COM/", "www.a.COM/"},
        {"http://www.a.org/", "www.a.org/"},
        {"http://www.a.com", "www.a.com"},
        {"http://x.com/b.com/", "x.com/b.com"},
        {"http://x.com/b/", "x.com/b/"},
        {"https://www.a.com/path?q=1", "www.a.com/path?q=1"},
        {"file:///tmp/a.html", "/tmp/a.html"},
        {"http://", ""},
        {"", ""},
        // Text without "://" is shown whole.
        {"about:blank", "about:blank"},
        {"www.a.com/", "www.a.com"},
        {"ab", "ab"},
        {"中文网址", "中文网址"},
        // At most 999 characters.
        {"http://" + longHost, longHost.left(999)},
        {longHost, longHost.left(999)},
        {"http://" + QString(994, QLatin1Char('b')) + ".com/", QString(994, QLatin1Char('b')) + ".com"},
    };
    for (const TextCase& c : cases) EXPECT_EQ(AddressBox::shortForm(c.text), c.expected) << c.text.left(40).toStdString();
}

TEST(AddressShownAddress, StartsAtTheFirstHttp) {
    const TextCase cases[] = {
        {"http://www.a.com/", "http://www.a.com/"},
        {"https://www.a.com/x", "https://www.a.com/x"},
        {"about:blank", "about:blank"},
        {"view-source:http://a.com/", "http://a.com/"},
        {"res://ieframe.dll/#HTTP://x", "res://ieframe.dll/#HTTP://x"},  // exact case only
        {"", ""},
    };
    for (const TextCase& c : cases) EXPECT_EQ(forms::shownAddress(c.text), c.expected) << c.text.toStdString();
}

// ---------------------------------------------------------------------------------------------

class AddressBoxTest : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        ASSERT_TRUE(start());
    }
    // Navigates slot k and waits until its document is the page at `url`.
    bool load(int k, const QString& url) {
        f1().WebBrowser1(k).Navigate(url);
        return waitFor([&] {
            const web::Document d = f1().WebBrowser1(k).document();
            return !d.isNull() && d.url() == url && !f1().WebBrowser1(k).busy();
        });
    }
    TestHttpServer server;
};

TEST_F(AddressBoxTest, LabelShowsTheShortFormOnTheBoxRectangle) {
    Form1& f = f1();
    f.Text7.move(500, 600, 7000, 270);
    f.Text7.setText("https://www.b.net/");
    EXPECT_EQ(f.Label2(4).caption(), "www.b.net");
    EXPECT_EQ(f.Label2(4).left(), 500);
    EXPECT_EQ(f.Label2(4).top(), 600);
    EXPECT_EQ(f.Label2(4).width(), 7000);
    EXPECT_EQ(f.Label2(4).height(), 270);
}

TEST_F(AddressBoxTest, BoxTakesTheFrontSlotsAddressAfterEveryNavigation) {
    Form1& f = f1();
    const QString a = server.urlText("/pages/links.html");
    const QString b = server.urlText("/pages/target.html");
    f.Command24.press();
    ASSERT_TRUE(load(2, a));
    EXPECT_EQ(f.Text7.text(), a);
    EXPECT_EQ(f.Label2(4).caption(), a.mid(7));

    // A navigation completing in the home slot shows the front tab's address, not its own.
    f.Text7.setText("old");
    ASSERT_TRUE(load(1, b));
    EXPECT_EQ(f.Text7.text(), a);
}

TEST_F(AddressBoxTest, TypingSurvivesNavigationsUntilEditingEnds) {
    Form1& f = f1();
    const QString a = server.urlText("/pages/links.html");
    const QString b = server.urlText("/pages/target.html");
    f.Command24.press();
    ASSERT_TRUE(load(2, a));

    f.Label2.onClick(4);  // the box is shown over the label
    ASSERT_TRUE(f.Text7.visible());
    f.Text7.setText("www.typed");
    ASSERT_TRUE(load(1, b));        // a background navigation
    EXPECT_EQ(f.Text7.text(), "www.typed");
    ASSERT_TRUE(load(2, b));        // and one in the front tab itself
    EXPECT_EQ(f.Text7.text(), "www.typed");
    EXPECT_EQ(f.Label2(4).caption(), "www.typed");

    // A click on the window background ends editing with the front slot's address.
    f.onClick();
    EXPECT_FALSE(f.Text7.visible());
    EXPECT_EQ(f.Text7.text(), b);
}

TEST_F(AddressBoxTest, EnterHidesTheBoxAndRunsTheGoCommand) {
    Form1& f = f1();
    QStringList ran;
    f.Command1.onClick = nullptr;  // the test takes the slot over from its owner
    f.Command1.onClick = [&] { ran << f.Text7.text() + (f.Text7.visible() ? " shown" : " hidden"); };
    f.Label2.onClick(4);
    f.Text7.setText("www.a.com");

    int key = 'a';
    f.Text7.onKeyPress(key);
    EXPECT_TRUE(ran.isEmpty());
    EXPECT_TRUE(f.Text7.visible());

    key = 13;
    f.Text7.onKeyPress(key);
    EXPECT_EQ(key, 13);
    EXPECT_EQ(ran, QStringList{"www.a.com hidden"});
    EXPECT_FALSE(f.Text7.visible());
}

TEST_F(AddressBoxTest, EnterKeyTypedInTheBoxOpensTheAddress) {
    Form1& f = f1();
    setSetting("标签打开", "1");
    const QString a = server.urlText("/pages/links.html");
    f.Label2.onClick(4);
    f.Text7.setText(a);
    QTest::keyClick(f.Text7.widget(), Qt::Key_Return);
    EXPECT_FALSE(f.Text7.visible());
    ASSERT_TRUE(f.WebBrowser1.exists(2));
    ASSERT_TRUE(waitFor([&] { return !f.WebBrowser1(2).document().isNull() && f.WebBrowser1(2).document().url() == a; }));
    EXPECT_EQ(f.Text7.text(), a);
    EXPECT_EQ(f.Label2(4).caption(), a.mid(7));
}

TEST_F(AddressBoxTest, RefusedTextStaysOnTheLabel) {
    Form1& f = f1();
    f.Label2.onClick(4);
    f.Text7.setText("ab");
    int key = 13;
    f.Text7.onKeyPress(key);
    EXPECT_EQ(services.messages(), QStringList{"网址不是正确的，不能打开"});
    EXPECT_FALSE(f.Text7.visible());
    EXPECT_EQ(f.Label2(4).caption(), "ab");
}

TEST_F(AddressBoxTest, DoubleClickSelectsTheWholeText) {
    Form1& f = f1();
    f.Text7.setText("http://www.a.com/");
    f.Text7.setSelStart(3);
    f.Text7.onDblClick();
    EXPECT_EQ(f.Text7.selStart(), 0);
    EXPECT_EQ(f.Text7.selLength(), 17);

    f.Text7.setText("");
    f.Text7.onDblClick();
    EXPECT_EQ(f.Text7.selLength(), 0);
    EXPECT_EQ(f.Text7.text(), "");
}

TEST_F(AddressBoxTest, DoubleClickWithTheMouseSelectsTheWholeTextNotAWord) {
    Form1& f = f1();
    f.widget()->activateWindow();
    f.Label2.onClick(4);
    const QString text = "http://www.example.com/path/page.html";
    f.Text7.setText(text);
    QWidget* box = f.Text7.widget();
    const QPoint spot(box->width() / 3, box->height() / 2);
    QTest::mousePress(box, Qt::LeftButton, Qt::NoModifier, spot);
    QTest::mouseRelease(box, Qt::LeftButton, Qt::NoModifier, spot);
    QMouseEvent dbl(QEvent::MouseButtonDblClick, spot, box->mapToGlobal(spot), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
    QCoreApplication::sendEvent(box, &dbl);
    QTest::mouseRelease(box, Qt::LeftButton, Qt::NoModifier, spot);
    EXPECT_EQ(f.Text7.selStart(), 0);
    EXPECT_EQ(f.Text7.selLength(), text.size());
    EXPECT_EQ(f.Text7.text(), text);
}

}  // namespace

// After Enter hides the box, the keyboard focus never lands on a button parked above the window, so
// a Space typed next opens no tab.
TEST_F(AddressBoxTest, AfterEnterNoParkedButtonHoldsTheFocus) {
    Form1& f = f1();
    f.show();
    f.widget()->activateWindow();
    f.Label2.onClick(4);
    f.Text7.setFocus();
    f.Text7.setText(server.urlText("/pages/links.html"));
    QTest::keyClick(f.Text7.widget(), Qt::Key_Return);
    ASSERT_FALSE(f.Text7.visible());
    QWidget* focus = QApplication::focusWidget();
    EXPECT_NE(focus, f.Command24.widget());
    for (int i = 11; i <= 21; ++i) EXPECT_NE(focus, f.Command2(i).widget()) << i;
    if (focus) QTest::keyClick(focus, Qt::Key_Space);
    EXPECT_FALSE(f.WebBrowser1.exists(3));
}
