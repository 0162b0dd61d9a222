#include "program.h"

#include "analysis/attributetables.h"
#include "analysis/elementlist.h"
#include "analysis/form11.h"
#include "analysis/form9.h"
#include "analysis/pagescore.h"
#include "analysis/pagescorewindow.h"
#include "analysis/pageviews.h"
#include "analysis/sourcemenu.h"
#include "analysis/sourcewindow.h"
#include "analysis/tagviews.h"
#include "app/aboutoverlay.h"
#include "app/defaultbrowser.h"
#include "app/programcommands.h"
#include "app/startup.h"
#include "forms/form1.h"
#include "forms/form14.h"
#include "forms/form4.h"
#include "forms/frameblockinggrace.h"
#include "mainwindow/addressbox.h"
#include "mainwindow/addressmenu.h"
#include "mainwindow/chrome.h"
#include "mainwindow/delayedjobs.h"
#include "mainwindow/gocommand.h"
#include "mainwindow/layout.h"
#include "mainwindow/mainmenu.h"
#include "mainwindow/search.h"
#include "mainwindow/windowcommands.h"
#include "media/flashpopout.h"
#include "media/flashwindow.h"
#include "media/form12.h"
#include "media/form2.h"
#include "media/picturemenu.h"
#include "media/pictureviewer.h"
#include "page/dailytools.h"
#include "page/documentmenu.h"
#include "page/documentmenuactions.h"
#include "page/documentsinks.h"
#include "page/formfill.h"
#include "page/hintbar.h"
#include "page/pageevents.h"
#include "page/pageloadingoptions.h"
#include "page/pagezoom.h"
#include "records/favoriteslist.h"
#include "records/favoritesmenu.h"
#include "records/favoritespage.h"
#include "records/favoriteswindow.h"
#include "records/form13.h"
#include "records/form3.h"
#include "records/form6.h"
#include "records/downloadlist.h"
#include "records/downloadmenu.h"
#include "records/downloadwindow.h"
#include "records/navpage.h"
#include "records/tileeditor.h"
#include "records/visitlog.h"
#include "records/visitlogwindow.h"
#include "settings/browseridentitysettings.h"
#include "settings/colourfields.h"
#include "settings/colourpicker.h"
#include "settings/colourschemes.h"
#include "settings/fontlist.h"
#include "settings/generalsettings.h"
#include "settings/form5.h"
#include "settings/form8.h"
#include "settings/hintbox.h"
#include "settings/hotkeysettings.h"
#include "settings/linkfiltersettings.h"
#include "settings/saveindicator.h"
#include "settings/settingswindow.h"
#include "settings/tablooksettings.h"
#include "settings/skinpicturechoice.h"
#include "settings/stylefields.h"
#include "settings/titlestrip.h"
#include "tabs/shorturlfetch.h"
#include "tabs/tabs.h"
#include "platform/web/flashstandin.h"

Program::Program(const QString& commandLine) : commandLine_(commandLine) {}

Program::~Program() {
    // The windows first (see the members), then the parts.
    windows_.reset();
}

// Engine-wide hooks go in before the first browser is made: a page reads its plug-ins once. The link
// hint bar and the about box stay on top of the stand-in players.
void Program::installEngineHooks() {
    web::setPluginHook(web::flashStandIns(QStringLiteral("[id='%1'], [id='%2'], [id='%3']")
                                              .arg(HintBar::kStripId, HintBar::kLabelId, AboutOverlay::kCoverId)));
}

// Every part, made once the main window and the menu owner exist. Each sets the handlers it owns.
void Program::makeParts() {
    Form1& f = windows_.form1();
    Form4& f4 = windows_.form4();
    parts_.make<FrameBlockingGrace>(f);
    parts_.make<Tabs>(f, f4);
    parts_.make<Layout>(f);
    parts_.make<Chrome>(f);
    parts_.make<AddressBox>(f);
    parts_.make<AddressMenu>(f, f4);
    parts_.make<GoCommand>(f);
    parts_.make<Search>(f, f4);
    parts_.make<DelayedJobs>(f);
    parts_.make<WindowCommands>(f);
    parts_.make<MainMenu>(f, f4);
    parts_.make<ColourSchemes>(f, f4);
    parts_.make<PageEvents>(f);
    parts_.make<DocumentSinks>(f, f4);
    parts_.make<FlashPopOut>(f);
    parts_.make<DocumentMenu>(f, f4);
    parts_.make<DocumentMenuActions>(f, f4);
    parts_.make<FormFill>(f, f4);
    parts_.make<PageLoadingOptions>(f, f4);
    parts_.make<PageZoom>(f, f4);
    parts_.make<DailyTools>(f, f4);
    parts_.make<PageViews>(f, f4);
    parts_.make<ElementList>(f, f4);
    parts_.make<TagViews>(f, f4);
    parts_.make<AttributeTables>(f, f4);
    parts_.make<PageScore>(f, f4);
    parts_.make<NavPage>(f);
    parts_.make<VisitLog>(f);
    parts_.make<DownloadList>(f);
    parts_.make<FavoritesList>(f, f4);
    parts_.make<TileEditor>(f, f4);
    parts_.make<AboutOverlay>(f);
    parts_.make<DefaultBrowser>(f);
    parts_.make<ProgramCommands>(f, f4);
    parts_.make<Startup>(f, f4, commandLine_);
}

// The handler classes of the secondary windows, made with each window (again after an unload).
void Program::linkWindows() {
    windows_.addHandlers<Form13, FavoritesWindow>();
    windows_.addHandlers<Form3, VisitLogWindow>();
    windows_.addHandlers<Form6, DownloadWindow>();
    windows_.addHandlers<Form13, FavoritesPage>();
    windows_.addHandlers<Form14, FavoritesMenu>();
    windows_.addHandlers<Form14, SourceMenu>();
    windows_.addHandlers<Form11, SourceWindow>();
    windows_.addHandlers<Form9, PageScoreWindow>();
    windows_.addHandlers<Form14, DownloadMenu>();
    windows_.addHandlers<Form5, SettingsWindow>();
    windows_.addHandlers<Form5, TitleStrip>();
    windows_.addHandlers<Form5, SaveIndicator>();
    windows_.addHandlers<Form5, HintBox>();
    windows_.addHandlers<Form5, ColourFields>();
    windows_.addHandlers<Form5, FontList>();
    windows_.addHandlers<Form5, GeneralSettings>();
    windows_.addHandlers<Form5, LinkFilterSettings>();
    windows_.addHandlers<Form5, HotKeySettings>();
    windows_.addHandlers<Form5, TabLookSettings>();
    windows_.addHandlers<Form5, BrowserIdentitySettings>();
    windows_.addHandlers<Form5, StyleFields>();
    windows_.addHandlers<Form5, SkinPictureChoice>();
    windows_.addHandlers<Form8, ColourPicker>();
    windows_.addHandlers<Form2, PictureViewer>();
    windows_.addHandlers<Form14, PictureMenu>();
    windows_.addHandlers<Form12, FlashWindow>();
    windows_.addHandlers<Form14, ShortUrlFetch>();
}

bool Program::start(bool show) {
    if (!Startup::Form_Initialize()) return false;
    if (!wired_) {
        wired_ = true;
        installEngineHooks();
        makeParts();
        linkWindows();
    }
    Form1& f = windows_.form1();
    f.load();
    if (show) f.show();
    return true;
}
