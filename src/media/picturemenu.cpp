#include "media/picturemenu.h"

#include "forms/form1.h"
#include "forms/form14.h"
#include "forms/titleglyphs.h"
#include "forms/slots.h"
#include "forms/windowowner.h"
#include "media/form2.h"
#include "media/viewedpicture.h"
#include "platform/rt/convert.h"
#include "platform/rt/error.h"
#include "platform/rt/format.h"
#include "platform/rt/html.h"
#include "platform/rt/text.h"
#include "platform/ui/menu.h"
#include "platform/ui/services.h"
#include "platform/web/webbrowser.h"

#include <QFileInfo>
#include <QUrl>

#include <algorithm>

using rt::guard;
using rt::step;

const char* const PictureMenu::kPatterns = "*.jpg;*.gif;*.bmp;*.png;*.jpeg;*.ico";

namespace {

// The items of lianjie100.
constexpr int kHint = 0;
constexpr int kSource = 1;
constexpr int kDimensions = 2;
constexpr int kSize = 3;
constexpr int kSave = 4;
constexpr int kList = 5;
constexpr int kClose = 6;

// A local source longer than this is cut and followed by "…".
constexpr int kSourceLength = 19;

// The address of the viewer's page as the menu shows and copies it: a local file's path, else the
// address of the document.
QString viewedAddress(Form2& v) {
    const QString address = v.WebBrowser1.document().url();
    const QUrl url(address);
    return url.isLocalFile() ? url.toLocalFile() : address;
}

bool viewsLocalFile(Form2& v) { return QUrl(v.WebBrowser1.document().url()).isLocalFile(); }

// The folder of the local picture shown, ending with "/"; raises for a picture that is not a file.
QString viewedFolder(Form2& v) {
    const QUrl url(v.WebBrowser1.document().url());
    if (!url.isLocalFile()) rt::raise(rt::PathNotFound);
    return QFileInfo(url.toLocalFile()).absolutePath() + QLatin1Char('/');
}

web::Element body(Form2& v) { return v.WebBrowser1.document().body(); }

// Appends markup at the end of the viewer's page, which stays the document it is.
void append(Form2& v, const QString& fragment) { body(v).insertAdjacentHTML(QStringLiteral("beforeEnd"), fragment); }

QString pictureEntry(const QString& address) {
    return QStringLiteral("<img src=\"") + rt::htmlAttributeEscape(address) + QStringLiteral("\"><br>");
}

QString countCaption(int count) { return rt::str(count) + QStringLiteral("个图片"); }

}  // namespace

PictureMenu::PictureMenu(Form14& owner) : m(owner) {
    m.lianjie100.onClick = [this](int Index) { lianjie100_Click(Index); };
}

void PictureMenu::popUp(Form2& v) {
    Form14& m = forms::form14();
    step([&] { m.lianjie100(kHint).setEnabled(false); });
    QString address;
    step([&] { address = viewedAddress(v); });
    if (guard([&] { return viewsLocalFile(v); })) {
        step([&] {
            m.lianjie100(kSource).setCaption(QStringLiteral("来源：") +
                                             (rt::len(address) <= kSourceLength
                                                  ? address
                                                  : rt::left(address, kSourceLength) + QStringLiteral("…")));
        });
        step([&] { m.lianjie100(kList).setTag(QStringLiteral("0")); });
    } else {
        step([&] { m.lianjie100(kList).setTag(QStringLiteral("1")); });
        step([&] {
            m.lianjie100(kSource).setCaption(QStringLiteral("来源：") + v.WebBrowser1.document().domain() +
                                             QStringLiteral("…"));
        });
    }
    step([&] {
        const QSize size = media::pictureSize(v.WebBrowser1.document());
        m.lianjie100(kDimensions).setCaption(QStringLiteral("宽高: ") + rt::str(size.width()) + QStringLiteral("X") +
                                             rt::str(size.height()));
    });
    step([&] { m.lianjie100(kDimensions).setEnabled(false); });
    step([&] { m.lianjie100(kSize).setCaption(QStringLiteral("大小: ") + v.Label1(0).caption()); });
    step([&] { m.lianjie100(kSize).setEnabled(false); });
    const QString ending = rt::lcase(rt::right(address, 3));
    if (ending == QLatin1String("jpg") || ending == QLatin1String("gif") || ending == QLatin1String("bmp") ||
        ending == QLatin1String("png")) {
        step([&] { m.lianjie100(kSave).setCaption(QStringLiteral("保存图片(") + rt::right(address, 4) + QStringLiteral(")")); });
    } else {
        step([&] { m.lianjie100(kSave).setCaption(QStringLiteral("保存图片(.格式不明)")); });
    }
    step([&] { ui::popupMenu(m.tanchu); });
}

void PictureMenu::lianjie100_Click(int Index) {
    Form2* v = forms::windows().existing<Form2>();
    if (!v) return;
    switch (Index) {
    case kSource: {
        QString address;
        // Without a page there is nothing to copy, and the clipboard keeps what it holds.
        if (step([&] { address = viewedAddress(*v); })) step([&] { ui::services().setClipboardText(address); });
        break;
    }
    case kSave:
        save(*v);
        break;
    case kList:
        if (guard([&] { return rt::toDouble(m.lianjie100(kList).tag()) == 1; })) {
            webList(*v);
        } else {
            folderList(*v);
        }
        break;
    case kClose:
        v->Label1_Click(forms::TitleGlyphs::kClose);
        break;
    default:
        break;
    }
}

void PictureMenu::save(Form2& v) {
    if (guard([&] { return v.listShown(); })) {
        // The list is no picture: the main window's front page is saved.
        Form1& f = forms::form1();
        if (guard([&] { return forms::frontSlot(f) > 1; })) {
            step([&] { f.WebBrowser1(forms::frontSlot(f)).ExecWB(web::kExecSaveAs, 0); });
        } else {
            step([&] { f.WebBrowser1(1).ExecWB(web::kExecSaveAs, 0); });
        }
        step([&] { v.setWindowState(ui::vbNormal); });
    } else {
        step([&] { v.WebBrowser1.ExecWB(web::kExecSaveAs, 0); });
    }
}

void PictureMenu::webList(Form2& v) {
    Form1& f = forms::form1();
    QList<web::Element> pictures;
    step([&] { pictures = f.WebBrowser1(forms::frontSlot(f)).document().getElementsByTagName(QStringLiteral("img")); });
    step([&] { body(v).setInnerHTML(QStringLiteral(" ")); });
    for (const web::Element& picture : pictures) {
        step([&] {
            const QString markup = picture.outerHTML();
            append(v, rt::instr(markup, QStringLiteral("http"), rt::TextCompare) > 0
                          ? pictureEntry(picture.srcResolved())
                          : rt::htmlEscape(markup) + QStringLiteral("<br>"));
        });
    }
    step([&] { v.Label1(0).setCaption(countCaption(pictures.size())); });
    step([&] {
        const QRect screen = ui::services().screenTwips();
        v.move(0, 0, screen.width() / 2.0, screen.height() - 600);
    });
    layOutList(v);
    step([&] { m.lianjie100(kList).setEnabled(false); });
}

void PictureMenu::folderList(Form2& v) {
    QString folder;
    step([&] { folder = viewedFolder(v); });
    step([&] { m.File1.setPattern(QString::fromLatin1(kPatterns)); });
    // A folder that can not be listed lists nothing (never the names of the folder listed before).
    const bool listed = step([&] { m.File1.setPath(folder); });
    step([&] { body(v).setInnerHTML(QStringLiteral(" ")); });
    step([&] {
        const QRect screen = ui::services().screenTwips();
        const double W = v.width(), H = v.height(), SW = screen.width(), SH = screen.height();
        if (W < SW) {
            v.move(v.left(), 0, W, SH - 600);
        } else if (H < SH) {
            v.move(0, v.top(), SW, H);
        } else if (W > SW && H > SH) {
            v.move(0, 0, SW, SH - 600);
        }
    });
    layOutList(v);
    const int count = listed ? m.File1.listCount() : 0;
    for (int i = 0; i < std::min(count, kMostFolderPictures); ++i) {
        step([&] { append(v, pictureEntry(QUrl::fromLocalFile(folder + m.File1.list(i)).toString(QUrl::FullyEncoded))); });
    }
    step([&] { v.Label1(0).setCaption(countCaption(count)); });
    step([&] { m.lianjie100(kSave).setEnabled(false); });
    step([&] { m.lianjie100(kList).setEnabled(false); });
}

void PictureMenu::layOutList(Form2& v) {
    step([&] { v.Label1(forms::TitleGlyphs::kMinimise).setLeft(v.width() - 1880); });
    step([&] { v.Label1(forms::TitleGlyphs::kClose).setLeft(v.width() - 1010); });
    step([&] { v.WebBrowser1.move(v.WebBrowser1.left(), v.WebBrowser1.top(), v.width() - 240, v.height() - 620); });
    step([&] { body(v).setStyleProperty(QStringLiteral("border"), QStringLiteral("none")); });
}
