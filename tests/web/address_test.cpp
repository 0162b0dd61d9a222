// Addresses kept in the program's GBK record files: every character survives, the stored form is
// what the engine requests, and reading it back gives the address exactly.
#include "platform/rt/gbk.h"
#include "platform/web/address.h"

#include <gtest/gtest.h>

namespace {

struct AddressCase {
    const char* name;
    const char* address;  // as the program reads it from a document (QUrl::toString)
    const char* stored;   // as the record file keeps it
};

const AddressCase kAddresses[] = {
    {"Chinese (GBK holds it)", "http://例子.cn/中文/路径?q=中", "http://例子.cn/中文/路径?q=中"},
    {"accents and Hangul", "http://127.0.0.1:8080/niño/한.zip", "http://127.0.0.1:8080/ni%C3%B1o/%ED%95%9C.zip"},
    {"Arabic", "http://x.com/عربي", "http://x.com/%D8%B9%D8%B1%D8%A8%D9%8A"},
    {"emoji, query and fragment", "http://x.com/a😀?q=ç#ü", "http://x.com/a%F0%9F%98%80?q=%C3%A7#ü"},
    {"a host GBK cannot hold", "http://user@한국.kr:8080/p", "http://user@xn--3e0b707e.kr:8080/p"},
    {"a local file", "file:///home/用户/façade.html", "file:///home/用户/fa%C3%A7ade.html"},
    {"encoded characters GBK holds stay", "http://x/a%20b?c=%E4%B8%AD%2F", "http://x/a%20b?c=%E4%B8%AD%2F"},
    {"plain", "https://example.com/a?b=1&c=2", "https://example.com/a?b=1&c=2"},
};

TEST(RecordAddress, EveryCharacterSurvivesTheFileAndReadsBackExactly) {
    for (const AddressCase& c : kAddresses) {
        SCOPED_TRACE(c.name);
        const QString address = QString::fromUtf8(c.address);
        const QString stored = web::recordAddress(address);
        EXPECT_EQ(stored, QString::fromUtf8(c.stored));
        // The file holds it as it is, and it names the same resource as the address.
        EXPECT_EQ(rt::fromGbk(rt::toGbk(stored)), stored);
        EXPECT_EQ(QUrl(stored).toString(QUrl::FullyEncoded), QUrl(address).toString(QUrl::FullyEncoded));
        EXPECT_EQ(web::addressFromRecord(rt::fromGbk(rt::toGbk(stored))), address);
    }
    // Older records read as they stand.
    EXPECT_EQ(web::addressFromRecord("http://x/ni?o/??.zip"), "http://x/ni?o/??.zip");
    EXPECT_EQ(web::addressFromRecord("http://x/%E9%A1%B5%zz%C3"), "http://x/%E9%A1%B5%zz%C3");
}

}  // namespace
