#include "records/tileeditor.h"

#include "forms/programfiles.h"
#include "forms/form1.h"
#include "forms/form4.h"
#include "forms/parts.h"
#include "forms/programstarts.h"
#include "platform/rt/error.h"
#include "platform/rt/format.h"
#include "platform/rt/text.h"
#include "platform/sys/programfolder.h"
#include "platform/ui/services.h"
#include "platform/web/document.h"
#include "records/favoriterecord.h"
#include "records/navpage.h"
#include "records/tileline.h"

#include <QUrl>

using rt::guard;
using rt::step;

const QString TileEditor::kNewTileLink = QStringLiteral("http://www.xinjian.invalid/");
const QString TileEditor::kExamplePicture = QStringLiteral("http://tupian.invalid/tile.jpg");

namespace {

const QString kEdit = QStringLiteral("修改");
const QString kAdd = QStringLiteral("添加");
const QString kCrLf = QStringLiteral("\r\n");

bool isDigit1to9(QChar c) { return c >= QLatin1Char('1') && c <= QLatin1Char('9'); }

// The link a right-clicked element stands in: the element itself or the nearest link around it. The
// engine does not focus clicked links, so the document's active element serves only when there is none.
web::Element linkAround(const web::Element& clicked, const web::Document& doc) {
    for (web::Element e = clicked; !e.isNull(); e = e.parentElement()) {
        const QString tag = e.tagName();
        if (tag == QLatin1String("A") || tag == QLatin1String("AREA")) return e;
    }
    return doc.activeElement();
}

// The file name at the end of a picture address or path: the text after its last "/" or "\".
QString fileNameOf(const QString& path) {
    const int at = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.mid(at + 1);
}

// The test of a width or a height answer: the prefix, then two or three digits without a leading zero.
// Returns the message of the first test that fails, or "".
QString numberRefusal(const QString& answer, const QString& name) {
    const QString prefix = name + QLatin1Char('=');
    const int p = prefix.size();
    const auto nth = [](int k) { return QStringLiteral("第%1个字必须是数字").arg(k); };
    if (!answer.startsWith(prefix)) return QStringLiteral("[ %1 ]必须保持完整").arg(prefix);
    const int n = answer.size();
    if (n != p + 2 && n != p + 3) return QStringLiteral("最少%1个字，最多%2个字").arg(p + 2).arg(p + 3);
    if (n == p + 2 && !rt::isAsciiDigit(answer[p + 1])) return nth(p + 2);
    if (n == p + 3) {
        if (!rt::isAsciiDigit(answer[p + 2])) return nth(p + 3);
        if (!rt::isAsciiDigit(answer[p + 1])) return nth(p + 2);
    }
    if (!isDigit1to9(answer[p])) return nth(p + 1) + QStringLiteral("(不包含0)");
    return QString();
}

QString titleRefusal(const QString& answer) {
    if (!answer.startsWith(QLatin1String("title="))) return QStringLiteral("“title=”必须保持完整");
    if (answer.size() < 7) return QStringLiteral("最少7个字");
    return QString();
}

QString linkRefusal(const QString& answer) {
    if (!answer.startsWith(QLatin1String("http://")) && !answer.startsWith(QLatin1String("https://")))
        return QStringLiteral("[ http:// 和 https:// ]必须保持完整");
    if (rt::instrRev(answer, QStringLiteral("/")) < 13) return QStringLiteral("网址末尾缺少[ / ]");
    return QString();
}

QString localPictureRefusal(const QString& answer) {
    if (!answer.startsWith(QLatin1String("pifu\\"))) return QStringLiteral("[ pifu\\ ]必须保持完整");
    if (answer.size() < 10) return QStringLiteral("最少10个字");
    return QString();
}

QString webPictureRefusal(const QString& answer) {
    if (!answer.startsWith(QLatin1String("http://"))) return QStringLiteral("[ http:// ]必须保持完整");
    if (answer.size() < 17) return QStringLiteral("最少17个字");
    return QString();
}

QString breaksRefusal(const QString& answer) {
    const int n = answer.size();
    if (n == 1 || n == 2 || n == 3 || n == 5 || n == 6 || n == 7 || n == 9 || n == 10 || n == 11)
        return QStringLiteral("错误，请输入0个字、4个字、8个字、12个字");
    if (n > 12) return QStringLiteral("最多12个字");
    const QString breaks = QStringLiteral("<br>").repeated(n / 4);
    if (n > 0 && !answer.contains(breaks, Qt::CaseInsensitive)) return QStringLiteral("错误") + answer;
    return QString();
}

// The test of a position answer of 新建连接: one digit 1..9, or two digits without a leading zero.
QString positionRefusal(const QString& answer) {
    if (answer.size() > 2) return QStringLiteral("最多2个字");
    if (answer.size() == 1 && !isDigit1to9(answer[0])) return QStringLiteral("请输入数字(不包含0)");
    if (answer.size() == 2) {
        if (!isDigit1to9(answer[0])) return QStringLiteral("第一个字只能是数字(不包含0)");
        if (!rt::isAsciiDigit(answer[1])) return QStringLiteral("第二个字只能是数字");
    }
    return QString();
}

}  // namespace

TileEditor::TileEditor(Form1& f, Form4& menus) : f(f), m(menus) {
    m.BJDH100.onClick = [this](int Index) { BJDH100_Click(Index); };
}

void TileEditor::BJDH100_Click(int Index) {
    web::Element clicked;
    QString id;
    step([&] { clicked = f.WebBrowser1(1).document().event().srcElement; });
    step([&] { id = clicked.id(); });
    switch (Index) {
    case 1: editLink(clicked, id); break;
    case 2: editPicture(clicked, id); break;
    case 3:
    case 4:
    case 5: editNumberOrTitle(Index, clicked, id); break;
    case 6: editBreaks(id); break;
    case 7: restore(id); break;
    case 8: add(); break;
    case 9: remove(clicked, id); break;
    case 10: reset(); break;
    case 11: openFile(); break;
    default: break;
    }
}

// --- 连接 --------------------------------------------------------------------------------------

void TileEditor::editLink(const web::Element& clicked, const QString& id) {
    QString href;
    step([&] { href = linkAround(clicked, f.WebBrowser1(1).document()).href(); });
    const QString now = current(id, QStringLiteral("href"), href);
    const QString answer = ask(QStringLiteral("连接"), kEdit, now);
    if (answer.isEmpty() || answer == now) return;
    const QString refusal = linkRefusal(answer);
    if (!refusal.isEmpty()) return ui::refuse(refusal);
    const QStringList before = lines();
    writeField(id, QStringLiteral("href"), answer);
    rewrite(before);
}

// --- 图片 --------------------------------------------------------------------------------------

void TileEditor::editPicture(const web::Element& clicked, const QString& id) {
    QString src;
    step([&] { src = clicked.srcResolved(); });
    // The page's address of a picture under pifu is a file address with "/" and its file name
    // percent-encoded; the line holds the path as written.
    const bool local = src.contains(QLatin1String("pifu/"));
    QString now;
    QString prompt;
    if (local) {
        now = QStringLiteral("pifu\\") + fileNameOf(current(id, QStringLiteral("src"),
                                                            QUrl::fromPercentEncoding(src.toUtf8())));
        prompt = QStringLiteral("本地格式：") + now + kCrLf + QStringLiteral("网络格式：") + kExamplePicture;
    } else {
        now = current(id, QStringLiteral("src"), src);
        prompt = QStringLiteral("图片");
    }
    const QString answer = ask(prompt, kEdit, now);
    if (answer.isEmpty() || answer == now) return;
    const bool webTests = local ? answer.contains(QLatin1String("http://")) : !answer.contains(QLatin1String("pifu\\"));
    const QString refusal = webTests ? webPictureRefusal(answer) : localPictureRefusal(answer);
    if (!refusal.isEmpty()) return ui::refuse(refusal);
    const QStringList before = lines();
    writeField(id, QStringLiteral("src"), answer);
    rewrite(before);
}

// --- 宽度, 高度, 标题 -----------------------------------------------------------------------------

void TileEditor::editNumberOrTitle(int Index, const web::Element& clicked, const QString& id) {
    const QString name = Index == 3 ? QStringLiteral("width") : Index == 4 ? QStringLiteral("height") : QStringLiteral("title");
    const QString prompt = Index == 3 ? QStringLiteral("宽度") : Index == 4 ? QStringLiteral("高度") : QStringLiteral("标题");
    QString value;
    step([&] { value = clicked.getAttribute(name); });
    const QString prefix = name + QLatin1Char('=');
    const QString now = prefix + current(id, name, value);
    const QString answer = ask(prompt, kEdit, now);
    if (answer.isEmpty() || answer == now) return;
    const QString refusal = Index == 5 ? titleRefusal(answer) : numberRefusal(answer, name);
    if (!refusal.isEmpty()) return ui::refuse(refusal);
    const QStringList before = lines();
    writeField(id, name, answer.mid(prefix.size()));
    rewrite(before);
}

// --- 换行 --------------------------------------------------------------------------------------

void TileEditor::editBreaks(const QString& id) {
    const QStringList before = lines();
    const int at = lineOf(id);
    // No line to edit (or one without "</a>", whose end is left as it is): the page is written again.
    if (at < 0 || !TileLine::hasLinkEnd(before[at])) return rewrite(before);
    const QString tail = TileLine::tail(before[at]);
    const QString answer =
        ask(QStringLiteral("换行代码：<br>") + kCrLf +
                QStringLiteral("错误注意：按 <取消> 按钮会自动删除 <br> ，不做修改也要按 <确定> 按钮"),
            kEdit, tail);
    if (answer == tail) return;
    const QString refusal = breaksRefusal(answer);
    if (!refusal.isEmpty()) return ui::refuse(refusal);
    step([&] { f.List1.setList(at, TileLine::withTail(before[at], answer)); });
    rewrite(before);
}

// --- 还原连接 ------------------------------------------------------------------------------------

void TileEditor::restore(const QString& id) {
    if (!confirm(QStringLiteral("这个连接恢复到内置的连接"))) return;
    const QStringList before = lines();
    const int at = lineOf(id);
    const QString line = records::defaultTileLine(id);
    if (at >= 0 && !line.isEmpty()) step([&] { f.List1.setList(at, line); });
    rewrite(before);
}

// --- 新建连接 ------------------------------------------------------------------------------------

void TileEditor::add() {
    const QStringList before = lines();
    // A fresh record id that stands nowhere in the page yet.
    QString recordId;
    step([&] { recordId = FavoriteRecord::makeId(before); });
    const QString answer = ask(QStringLiteral("连接：从左至右数") + kCrLf + QStringLiteral("位置：数字9代表第9个位置"),
                               kAdd, QString());
    if (answer.isEmpty()) return;
    const QString refusal = positionRefusal(answer);
    if (!refusal.isEmpty()) return ui::refuse(refusal);
    const int p = answer.toInt();
    int n = 0;
    step([&] {
        n = f.WebBrowser1(1).document().querySelectorAll(QStringLiteral("a[href], area[href]")).size();
    });
    if (p > n + 1) return ui::refuse(QStringLiteral("现在只能输入[ ") + rt::str(n + 2) + QStringLiteral(" ]以下的数字"));
    // Positions go up to 99: a page with 99 links (or more, made by hand) is full.
    if (n >= 99) return ui::refuse(QStringLiteral("已满99个连接，不能再添加"));
    const QString newId = n >= 12 ? QStringLiteral("Tavrolin") + recordId : QStringLiteral("TavrolinOK") + rt::str(n + 1);
    const QString line = QStringLiteral("<a href=") + kNewTileLink + QStringLiteral("><img id=") + newId +
                         QStringLiteral(" title=新建连接 width=200 height=90 src=pifu\\新建连接.png></a>");
    step([&] { f.List1.addItem(line, p + 4); });
    rewrite(before);
}

// --- 删除 --------------------------------------------------------------------------------------

void TileEditor::remove(const web::Element& clicked, const QString& id) {
    if (guard([&] { return id.contains(QLatin1String("TavrolinOK"), Qt::CaseInsensitive); }))
        return ui::refuse(QStringLiteral("默认连接不可以删除"));
    QString title;
    step([&] { title = clicked.getAttribute(QStringLiteral("title")); });
    if (!confirm(QStringLiteral("删除 [ ") + title + QStringLiteral(" ]"))) return;
    const QStringList before = lines();
    const int at = lineOf(id);
    if (at >= 0) step([&] { f.List1.removeItem(at); });
    rewrite(before);
}

// --- 初始化, 打开文件 ------------------------------------------------------------------------------

void TileEditor::reset() {
    if (!confirm(QStringLiteral("恢复出厂设置"))) return;
    step([&] { f.Command3.press(); });
    step([&] { forms::part<NavPage>().show(); });
}

void TileEditor::openFile() { step([&] { forms::editProgramFile(forms::navPagePath()); }); }

// --- helpers -----------------------------------------------------------------------------------

QString TileEditor::ask(const QString& prompt, const QString& title, const QString& defaultText) {
    QString answer;
    step([&] {
        answer = ui::askInInputBox(prompt, title, defaultText);
    });
    return answer;
}

bool TileEditor::confirm(const QString& question) {
    int answer = ui::vbNo;
    step([&] { answer = ui::services().msgBox(question, ui::vbYesNo + ui::vbQuestion, QString()); });
    return answer == ui::vbYes;
}

QStringList TileEditor::lines() const {
    QStringList all;
    for (int i = 0; i < f.List1.listCount(); ++i) all << f.List1.list(i);
    return all;
}

int TileEditor::lineOf(const QString& id) const { return TileLine::find(lines(), id); }

QString TileEditor::current(const QString& id, const QString& name, const QString& fallback) const {
    const int at = lineOf(id);
    QString value;
    if (at >= 0 && TileLine::field(f.List1.list(at), id, name, &value)) return value;
    return fallback;
}

void TileEditor::writeField(const QString& id, const QString& name, const QString& value) {
    const int at = lineOf(id);
    if (at < 0) return;
    step([&] { f.List1.setList(at, TileLine::withField(f.List1.list(at), id, name, value)); });
}

void TileEditor::rewrite(const QStringList& before) {
    bool written = false;
    step([&] { written = forms::part<NavPage>().rewrite(); });
    if (written) return;
    // The file keeps the old page: so does the list, and the user learns that nothing was saved.
    step([&] {
        f.List1.clear();
        for (const QString& line : before) f.List1.addItem(line);
    });
    ui::refuse(QStringLiteral("导航页面无法保存，修改没有生效：") + sys::nativePath(forms::navPagePath()));
}
