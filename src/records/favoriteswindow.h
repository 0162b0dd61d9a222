#pragma once
// The handlers of the favorites window Form13, made with the window: its load (icon, the first
// navigation, the mirror filled from the file, drop target off) and its resize (the browser fills
// the client area).
class Form13;

class FavoritesWindow {
public:
    explicit FavoritesWindow(Form13& w);
    FavoritesWindow(const FavoritesWindow&) = delete;
    FavoritesWindow& operator=(const FavoritesWindow&) = delete;

    void Form_Load();
    void Form_Resize();

private:
    Form13& w;
};
