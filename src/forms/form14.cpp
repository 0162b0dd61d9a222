#include "forms/form14.h"

#include "forms/menutree.h"

using forms::addItems;

Form14::Form14() : ui::Form(true) {
    setCaption(QStringLiteral("Form14"));
    WebBrowser1.setName(QStringLiteral("WebBrowser1"));
    WebBrowser1.move(0, 0, 255, 255);
    File1.setName(QStringLiteral("File1"));

    addItems(bianji100, bianji, 0,
             {"连接复制(&C)", "直接打开(&D)", "标题(&E)", "连接(&A)", "删除(&X)", "-", "时间颜色(&1)", "网址颜色(&2)",
              "目标颜色(&3)"});
    addItems(xiazai100, xiazai, 1, {"连接复制(&C)", "IE打开(&D)", "删除(&X)"});
    addItems(yuanmayj100, yuanmayj, 1, {"复制(&C)", "源文件(&D)", "大小"});
    addItems(lianjie100, tanchu, 0, {"双击小化", "?", "?", "?", "?", "可视图片(&A)", "关闭(&X)"});
}

Form14::~Form14() = default;
