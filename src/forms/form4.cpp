#include "forms/form4.h"

#include "forms/menutree.h"

using forms::addItems;
using forms::addNumbered;

Form4::Form4() : ui::Form(true) {
    setCaption(QStringLiteral("Form4"));

    addItems(BQYJ100, BQYJ, 1, {"关闭", "刷新", "全部关闭", "短网址", "ie打开", "回到导航"});

    addItems(BJDH100, BJDH, 1,
             {"连接", "图片", "宽度", "高度", "标题", "换行", "还原连接", "新建连接", "删除", "初始化", "打开文件"});

    DZYJ100.add(DZYJ, 1, QStringLiteral("粘贴打开"));
    ui::Menu& top = DZYJ100.add(DZYJ, 2, QStringLiteral("TOP"));
    addNumbered(top20, top, 1, 10, QStringLiteral("top"));
    addItems(DZYJ100, DZYJ, 3, {"复制", "http://", "标签打开", "在左边"});

    caidan100.add(caidan, 1, QStringLiteral("收藏"));
    ui::Menu& colours = caidan100.add(caidan, 2, QStringLiteral("换颜色"));
    addItems(peise, colours, 1, {"灰(&1)", "紫(&2)", "黑(&3)", "蓝(&4)", "界面图片(&A)", "界面边距(&S)"});
    caidan.append(aaa);
    caidan.append(WYJZ);
    addItems(WYJZ100, WYJZ, 0,
             {"框架不加载 + 强行简化", "脚本被删除", "框架被删除", "-", "图片不显示(重启生效)",
              "控件不加载(重启生效)", "脚本不运行(重启生效)"});
    caidan.append(SSYQ);
    addNumbered(SSYQ100, SSYQ, 1, 9, QStringLiteral("搜索"));
    SSYQ100.add(SSYQ, 10, QStringLiteral("？"));
    caidan.append(WYSF);
    addItems(WYSF100, WYSF, 1, {"300%", "200%", "150%", "100%", "90%", "80%", "70%", "？"});
    caidan.append(RCGJ);
    addItems(RCGJ100, RCGJ, 1,
             {"计算器", "查找", "保存网页", "界面左边", "界面右边", "-", "临时隐藏<A>", "临时隐藏<IMG>",
              "临时隐藏<IFRAME>", "临时隐藏<OBJECT>"});
    caidan.append(bbb);
    addItems(LISHI, caidan, 1, {"收藏历史", "浏览历史", "下载历史", "ie浏览器", "ie选项"});
    caidan.append(ccc);
    addItems(GB, caidan, 1, {"重启", "退出", "关于", "设置"});

    addItems(WDYJ100, WDYJ, 1, {"后退", "前进", "复制", "粘贴", "查看图片"});
    WDYJ.append(ddd);
    addItems(DK100, WDYJ, 1, {"标签打开", "直接打开", "悄悄打开"});
    ui::Menu& fill = DK100.add(WDYJ, 4, QStringLiteral("网页填空"));
    addNumbered(TK100, fill, 1, 9, QStringLiteral("标题"));
    TK100.add(fill, 10, QStringLiteral("?"));
    WDYJ.append(eee);
    addItems(SX100, WDYJ, 1, {"网页顶部", "重新加载", "网页底部"});
    WDYJ.append(fff);
    addItems(GIS100, WDYJ, 1, {"关闭标签", "ie打开", "复制搜索"});
    WDYJ.append(ggg);
    ui::Menu& source = yuanma100.add(WDYJ, 1, QStringLiteral("标记源码"));
    addItems(BJYM100, source, 0,
             {"00<?>", "01<A>", "02<form>", "03<img>", "04<input>", "05<iframe>", "06<link>", "07<object>",
              "08<style>", "09<script>", "10<table>", "11<标记名>", "12<隐藏标记>"});
    source.append(hhh);
    addItems(html100, source, 1, {"01>HTML", "02>HEAD", "03>BODY"});
    ui::Menu& attributes = html100.add(source, 4, QStringLiteral("04>标记参数"));
    addItems(CS100, attributes, 1,
             {"01<href>", "02<src>", "03<id>", "04<name>", "05<title>", "06<value>", "07<type>", "08<style>",
              "09<class>", "10<onclick>", "11<标记属性>"});
    yuanma100.add(WDYJ, 2, QStringLiteral("网页得分"));

    Timer1.setName(QStringLiteral("Timer1"));
    Timer1.setEnabled(false);
    Timer1.setInterval(100);
    Timer1.setTag(QStringLiteral("0"));
}

Form4::~Form4() = default;
