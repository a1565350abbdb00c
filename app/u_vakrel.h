#pragma once
// The main window: the profile picture, the antenna controls and the commands.

#include <QWidget>

namespace vakrel {

struct HopModel;
class UserSeam;
struct Windows;

class TForm1 : public QWidget {
    Q_OBJECT
public:
    TForm1(HopModel& model, UserSeam& seam);

    // The other windows, created after this one; the commands show them.
    void setWindows(const Windows& windows) { windows_ = &windows; }

private:
    HopModel& model_;
    UserSeam& seam_;
    const Windows* windows_ = nullptr;
};

}  // namespace vakrel
