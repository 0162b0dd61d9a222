#pragma once
// The handlers of the settings window Form5, made with the window: its load fills the switches from
// the settings.
class Form5;

class SettingsWindow {
public:
    explicit SettingsWindow(Form5& w);
    SettingsWindow(const SettingsWindow&) = delete;
    SettingsWindow& operator=(const SettingsWindow&) = delete;

    void Form_Load();

private:
    Form5& w;
};
