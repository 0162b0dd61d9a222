#pragma once
// The download list's records: every file download a browser of the main window starts (the home
// slot's too) is recorded on top of `\txt\xiazai.html` and of the download window's mirror list (the
// window is loaded hidden for it), while the list holds at most 500 records. A record is a link:
//
//     <a href="ADDRESS" title="ADDRESS&#13;时间：hh:mm:ss&#13;日期：mm-dd-yyyy" id=ID Target=_blank>NAME</a><br><br>
//
// with the download request's own address, attribute-escaped (in the link, its characters GBK cannot
// hold as the engine requests them, web::recordAddress; in the tooltip as character references), a
// fresh record id and the name: the address after its last "/", its last 39 characters, every "..."
// removed (text-escaped, characters GBK cannot hold as character references). An empty address is
// never recorded, nor one that a record already holds (the whole address, exactly). A list the file
// cannot take is said in a message naming the file
// ("下载记录失败，文件不能写入：").
//
// First of all a download arms the main window's download-pending flag when it comes from the tab in
// front (2 to 10) that holds no page of its own (a tab opened for the download): the next mouse move
// over the front page then closes that tab.
#include <QString>
#include <QStringList>

class Form1;

class DownloadList {
public:
    explicit DownloadList(Form1& f);

    void WebBrowser1_FileDownload(int Index, const QString& url, bool ActiveDocument);

    // The record line.
    static QString record(const QString& address, const QString& id, const QString& time, const QString& date);
    // The name a record shows for an address.
    static QString recordName(const QString& address);
    // The address a record line links to (decoded), for lines written quoted or unquoted.
    static QString addressOf(const QString& line);

private:
    Form1& f;
};
