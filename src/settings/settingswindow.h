#pragma once
// The settings window's load and its page buttons.
//
// The load fills every field of the eight pages from the two settings files, once: each statement on
// its own, so an absent or malformed setting leaves its control as made (an empty text, an unticked
// switch, the colour it had) and the load goes on. Switches tick only for their exact ticked text,
// from the switch tables of the pages (settingeditors.h); colour fields take the stored colour value;
// text fields take the text unchanged. The load also places the title strip, puts page 1 in front, fills the document-mode
// and preset lists (forms::kDocumentModes, BrowserIdentitySettings::kPresets) and lets the window be
// minimised from the taskbar. Setting the document mode's
// selection runs that list's choice handler, and setting the preset list's text runs the preset
// handler (both handlers belong to the identity page).
//
// A page button brings its panel in front, brings every page button in front and enables it, disables
// its own button, and puts the focus into the start-page field Text1(1), whichever page is shown.
class Form5;

class SettingsWindow {
public:
    // Sets the window's load and Command10's click.
    explicit SettingsWindow(Form5& w);
    SettingsWindow(const SettingsWindow&) = delete;
    SettingsWindow& operator=(const SettingsWindow&) = delete;

    void Form_Load();
    void Command10_Click(int Index);

private:
    void loadWindow();
    void loadGeneralPage();
    void loadLinkFilterPage();
    void loadPicturePage();
    void loadHotKeysPage();
    void loadTabPage();
    void loadColourPage();
    void loadStylePage();
    void loadIdentityPage();

    Form5& w;
};
