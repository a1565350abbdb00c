#pragma once
// Start-up: the nine windows in their fixed order, the main window first.

#include <memory>

namespace vakrel {

struct HopModel;
class UserSeam;
class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;
class TForm8;
class TForm9;

// The windows live from start-up to the end of the run.
struct Windows {
    std::unique_ptr<TForm1> form1;  // main window
    std::unique_ptr<TForm2> form2;  // station characteristics editor
    std::unique_ptr<TForm3> form3;  // terrain profile editor
    std::unique_ptr<TForm4> form4;  // propagation conditions editor
    std::unique_ptr<TForm5> form5;  // propagation condition codes
    std::unique_ptr<TForm6> form6;  // results report
    std::unique_ptr<TForm7> form7;  // About
    std::unique_ptr<TForm8> form8;  // object type codes
    std::unique_ptr<TForm9> form9;  // the picture's legend

    Windows();
    ~Windows();
    Windows(const Windows&) = delete;
    Windows& operator=(const Windows&) = delete;
};

// The restored size of the main window, centred on the screen before it is maximized; 20 pixels
// of its height hold the verdict strip, so the picture keeps the size of a window 293 high.
inline constexpr int kMainRestoredWidth = 442;
inline constexpr int kMainRestoredHeight = 333;

// Creates the nine windows in order; all hidden.
void CreateWindows(Windows& windows, HopModel& model, UserSeam& seam);

// Shows the main window maximized. Where no window manager maximizes it (a bare X server),
// it is given the screen's available area all the same.
void ShowMainWindow(TForm1& form);

}  // namespace vakrel
