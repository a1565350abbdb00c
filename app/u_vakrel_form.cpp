// The main window's controls with their design-time look: captions, hints, sizes and menus.
// FormResize places them; the working-set loading fills in the numbers.

#include <QAction>
#include <QActionGroup>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include "dialog_font.h"
#include "profile_view.h"
#include "u_vakrel.h"
#include "updown.h"

namespace vakrel {

namespace {

// Sizes of the controls that do not size themselves to their text.
constexpr QSize kButtonSize(33, 21);
constexpr int kUpDownHeightVertical = 25;
constexpr int kUpDownHeightHorizontal = 17;

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QString& hint = {}) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    if (!hint.isEmpty()) label->setToolTip(hint);
    label->adjustSize();
    return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, const QString& hint) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(hint);
    button->resize(kButtonSize);
    return button;
}

UpDown* MakeUpDown(QWidget* parent, const char* name, Qt::Orientation orientation, int width, int minimum, int maximum,
                   const QString& hint) {
    auto* control = new UpDown(orientation, parent);
    control->setObjectName(QString::fromLatin1(name));
    control->resize(width, orientation == Qt::Vertical ? kUpDownHeightVertical : kUpDownHeightHorizontal);
    control->setMinimum(minimum);
    control->setMaximum(maximum);
    control->setIncrement(10);
    control->setToolTip(hint);
    control->setContextMenuPolicy(Qt::CustomContextMenu);
    return control;
}

// The Menu key may ask twice (the key itself, and the platform's context menu request that
// follows it): a menu that is open already stays where it is.
void PopUp(QMenu* menu, QWidget* owner, const QPoint& at) {
    if (!menu->isVisible()) menu->popup(owner->mapToGlobal(at));
}

QAction* MakeItem(QMenu* menu, const char* name, const QString& caption) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(QString::fromLatin1(name));
    return item;
}

}  // namespace

void TForm1::CreateControls() {
    // 10 pixels: the layout's places are in pixels, so the text keeps its size against them
    // whatever the screen's font resolution, and a number of four digits keeps clear of the
    // buttons beside it.
    setFont(DialogFont(10));

    Label1 = MakeLabel(this, "Label1", QStringLiteral("Профиль местности"));
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);

    Image1 = new ProfileView(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setToolTip(QStringLiteral("Левая кнопка мыши - разметка, правая - исходные данные"));
    Image1->setContextMenuPolicy(Qt::CustomContextMenu);

    Panel1 = MakeLabel(this, "Panel1", QString());
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Panel1->setIndent(4);

    Label2 = MakeLabel(this, "Label2", QStringLiteral("Управление положением антенн"));
    Label3 = MakeLabel(this, "Label3", QStringLiteral("- Aнт1 -"));  // a Latin A
    Label4 = MakeLabel(this, "Label4", QStringLiteral("- Aнт2 -"));
    // Latin H and n around a Cyrillic а; a Latin R. The loading puts numbers in their place.
    Label5 = MakeLabel(this, "Label5", QStringLiteral("Hаn1"), QStringLiteral("Высота левой антенны"));
    Label6 = MakeLabel(this, "Label6", QStringLiteral("Hаn2"), QStringLiteral("Высота правой антенны"));
    Label7 = MakeLabel(this, "Label7", QStringLiteral("Rант."), QStringLiteral("Расстояние между антеннами"));
    Label8 = MakeLabel(this, "Label8", QStringLiteral("(м)"));
    Label9 = MakeLabel(this, "Label9", QStringLiteral("(м)"));
    Label10 = MakeLabel(this, "Label10", QStringLiteral("(км)"));

    UpDown1 = MakeUpDown(this, "UpDown1", Qt::Vertical, 16, 1, 1000, QStringLiteral("Управление высотой 1-й антенны"));
    UpDown2 = MakeUpDown(this, "UpDown2", Qt::Vertical, 16, 1, 10000, QStringLiteral("Управление высотой 2-й антенны"));
    UpDown3 = MakeUpDown(this, "UpDown3", Qt::Horizontal, 33, 0, 100,
                         QStringLiteral("Управление расстоянием до 1-й антенны"));
    UpDown4 = MakeUpDown(this, "UpDown4", Qt::Horizontal, 32, 0, 100,
                         QStringLiteral("Управление расстоянием до 2-й антенны"));

    Button1 =
        MakeButton(this, "Button1", QStringLiteral("Save"), QStringLiteral("Сохранение изображения в исходных данных"));
    Button2 = MakeButton(this, "Button2", QStringLiteral("Расч"), QStringLiteral("Расчет "));
    Button2->setEnabled(false);
    Button3 = MakeButton(this, "Button3", QStringLiteral("Open"),
                         QStringLiteral("Обновление изображения по исходным данным "));
    Button4 = MakeButton(this, "Button4", QStringLiteral("Подг"), QStringLiteral("Подготовка данных для расчета"));

    // The picture's menu. Its commands are wired by the window's commands.
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    QMenu* sourceData = PopupMenu1->addMenu(QStringLiteral("Исходные данные :"));
    sourceData->setObjectName(QStringLiteral("N5menu"));
    sourceData->menuAction()->setObjectName(QStringLiteral("N5"));
    MakeItem(sourceData, "N1", QStringLiteral("ТТХ  РРС (ТРС)"));  // two blanks after ТТХ
    MakeItem(sourceData, "N2", QStringLiteral("Профиль"));
    MakeItem(sourceData, "N3", QStringLiteral("Условия РРВ"));
    MakeItem(PopupMenu1, "N7", QStringLiteral("Построить профиль по карте высот…"));
    MakeItem(PopupMenu1, "N10", QStringLiteral("Подобрать высоты антенн…"));
    MakeItem(PopupMenu1, "N8", QStringLiteral("Просвет при k мин"))->setCheckable(true);
    MakeItem(PopupMenu1, "N9", QStringLiteral("Легенда"));
    MakeItem(PopupMenu1, "N6", QStringLiteral("Сохранить изображение"));
    MakeItem(PopupMenu1, "N4", QStringLiteral("О программе"));

    static const StepItem kStep1[3] = {{"N011", "Шаг 0.1 м", 1}, {"N11", "Шаг 1 м", 10}, {"N101", "Шаг 10 м", 100}};
    static const StepItem kStep2[3] = {{"N014", "Шаг 0.1 м", 1}, {"N14", "Шаг 1 м", 10}, {"N102", "Шаг 10 м", 100}};
    static const StepItem kStep3[3] = {
        {"N0011", "Шаг 0.01 км", 1}, {"N012", "Шаг 0.1 км", 10}, {"N12", "Шаг 1 км", 100}};
    static const StepItem kStep4[3] = {
        {"N0012", "Шаг 0.01 км", 1}, {"N013", "Шаг 0.1 км", 10}, {"N13", "Шаг 1 км", 100}};
    PopupMenu2 = CreateStepMenu("PopupMenu2", UpDown1, kStep1);
    PopupMenu3 = CreateStepMenu("PopupMenu3", UpDown2, kStep2);
    PopupMenu4 = CreateStepMenu("PopupMenu4", UpDown3, kStep3);
    PopupMenu5 = CreateStepMenu("PopupMenu5", UpDown4, kStep4);

    // A number too long for its place runs over a button rather than under it.
    for (QLabel* label : {Label5, Label6, Label7, Label8, Label9, Label10}) label->raise();

    // Tab goes through the controls as they stand, left to right: the picture, Open and Save,
    // antenna 1's height and position, antenna 2's position and height, Подг and the calculate
    // button.
    QWidget* const order[] = {Image1, Button3, Button1, UpDown1, UpDown3, UpDown4, UpDown2, Button4, Button2};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

    connect(Image1, &ProfileView::clicked, this, &TForm1::Image1Click);
    connect(Image1, &ProfileView::pointerMoved, this, &TForm1::PointerMoved);
    connect(Image1, &ProfileView::pointerLeft, this, &TForm1::PointerLeft);
    connect(Image1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopUp(PopupMenu1, Image1, at); });
    connect(UpDown1, &UpDown::clicked, this, &TForm1::UpDown1Click);
    connect(UpDown2, &UpDown::clicked, this, &TForm1::UpDown2Click);
    connect(UpDown3, &UpDown::clicked, this, &TForm1::UpDown3Click);
    connect(UpDown4, &UpDown::clicked, this, &TForm1::UpDown4Click);
}

QMenu* TForm1::CreateStepMenu(const char* menuName, UpDown* control, const StepItem (&items)[3]) {
    auto* menu = new QMenu(this);
    menu->setObjectName(QString::fromLatin1(menuName));
    auto* group = new QActionGroup(menu);
    group->setExclusive(true);
    for (const StepItem& entry : items) {
        QAction* item = MakeItem(menu, entry.name, QString::fromUtf8(entry.caption));
        item->setCheckable(true);
        item->setChecked(entry.step == 10);  // the default step: 1 m, 0.1 km
        group->addAction(item);
        const int step = entry.step;
        connect(item, &QAction::triggered, this, [this, control, item, step] { StepClick(control, item, step); });
    }
    connect(control, &QWidget::customContextMenuRequested, this,
            [menu, control](const QPoint& at) { PopUp(menu, control, at); });
    return menu;
}

}  // namespace vakrel
