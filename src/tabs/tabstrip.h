#pragma once
// The tab strip layout: every visible tab label lv(2..10) gets its width and its left edge, laid out
// from scratch at each press of Command39. Command58 places the labels when exactly eight are visible.
//
// Widths: fixed (the setting 宽度) while 固定宽度 is 1 or not a number, else following the main
// window's width W: W / 4, W / 4.5 and W / 5 for one to three labels, (W - 2600) / (N + 0.5) for N
// labels from four on. The first visible label starts at youyi - 10; the second overlaps the first by
// 20 twips, every further one its predecessor by 10. Hidden labels keep their place and leave no gap.
// Only widths and left edges change; icons are moved by the callers. A fixed width and youyi are taken
// within what fits the window (forms/windowlimits.h); the settings keep what they hold.
class Form1;

class TabStrip {
public:
    // Sets the click handlers of Command39 and Command58.
    explicit TabStrip(Form1& f);

    void Command39_Click();
    void Command58_Click();

    // The automatic width of each of `visible` labels in a window `windowWidth` twips wide (0 for none).
    static double followingWidth(int visible, double windowWidth);

private:
    // Places the visible labels in index order; `width` (when given) is set on each right after its left.
    void placementWalk(const double* width);
    // The left edge of the first visible label.
    double firstLeft();

    Form1& f;
};
