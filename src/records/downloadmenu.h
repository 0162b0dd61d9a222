#pragma once
// The download menu `Form14.xiazai`, popped up over the download page: 1 连接复制 (the record's address
// on the clipboard), 2 IE打开 (the address in another browser), 3 删除 (after "删除 [text]" Yes: the first
// record holding the right-clicked record's id is removed, the file written and the list shown again).
class Form14;

class DownloadMenu {
public:
    explicit DownloadMenu(Form14& m);

    void xiazai100_Click(int Index);

private:
    Form14& m;
};
