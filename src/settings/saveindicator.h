#pragma once
// The save indicator of the settings window: every press of Command1 (the page handlers and the colour
// picker press it after a save) shows "修改已保存" (Label6(4)) at once and restarts Timer1's 1500 ms;
// when the timer fires the indicator is hidden and the timer stops. Several saves within 1.5 seconds
// keep it shown until 1.5 seconds after the last.
class Form5;

class SaveIndicator {
public:
    // Sets Command1's click and Timer1's tick.
    explicit SaveIndicator(Form5& w);
    SaveIndicator(const SaveIndicator&) = delete;
    SaveIndicator& operator=(const SaveIndicator&) = delete;

    void Command1_Click();
    void Timer1_Timer();

private:
    Form5& w;
};
