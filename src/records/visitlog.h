#pragma once
// The visit log `\txt\liulan.txt`: one line per page that completes in front, oldest first, at most
// 999 lines written by the record step. A line is
//
//     "001" "║" "mm-dd-yyyy" " " "hh:mm:ss" "║" title (its first 19 characters) "      " address
//
// numbered by the lines already in the file plus one. The address is kept whole in the GBK file: the
// characters GBK cannot hold are written as the engine requests them (web::recordAddress), and a
// line's address reads back as it was visited. A record the file cannot take is said in a message
// naming the file ("浏览记录失败，文件不能写入："). `Command12` (pressed by the page handling with
// the completed slot in its tag) records the front slot's page when that slot is the one that
// completed (an empty tag: the front slot); the record goes to the top of the visit log window's list
// (the window is loaded hidden for it) and to the end of the file.
#include <QByteArray>
#include <QString>

class Form1;

class VisitLog {
public:
    explicit VisitLog(Form1& f);

    void Command12_Click();

    // The lines of the file's bytes as the record step counts them: a line ends at CR LF, a lone CR or a
    // lone LF; a last line without an end counts, blank lines count.
    static int countLines(const QByteArray& bytes);
    // The record line for record number `number`.
    static QString record(int number, const QString& date, const QString& time, const QString& title,
                          const QString& address);
    // The address of a visit line: for a line of the record's shape, the text after the six blanks
    // that follow its title (a title holding "http" or ending in blanks does not matter); for any other
    // line the text from its first "http" (any case) on. At most 666 characters of the line, decoded
    // (web::addressFromRecord); empty when there is none.
    static QString addressOf(const QString& line);

private:
    Form1& f;
};
