#include "elevation_profile_dialog.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

namespace vakrel {

namespace {

constexpr double kEquatorialRadiusKm = 6378.137;  // WGS84
constexpr double kFlattening = 1 / 298.257223563;
const QChar kPathSeparator = QLatin1Char(';');

QLineEdit* DegreesField(const QString& objectName, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(objectName);
    field->setPlaceholderText(QStringLiteral("градусы"));
    field->setMaximumWidth(110);
    return field;
}

// Degrees with a decimal comma or point; nothing for any other text.
std::optional<double> Degrees(const QLineEdit& field) {
    QString text = field.text().trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

QString Number(double value) { return QString::number(value, 'f', 6); }

QLineEdit* NameField(const QString& objectName, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(objectName);
    field->setPlaceholderText(QStringLiteral("необязательно"));
    return field;
}

}  // namespace

QString BuiltProfileName(const QString& name, const QString& site1, const QString& site2) {
    if (!name.trimmed().isEmpty()) return name.trimmed();
    if (site1.trimmed().isEmpty() || site2.trimmed().isEmpty()) return {};
    return site1.trimmed() + QStringLiteral(" - ") + site2.trimmed();
}

// Lambert's formula on the WGS84 ellipsoid: within some metres of the geodesic at hop lengths.
double PreviewLengthKm(double lat1, double lon1, double lat2, double lon2) {
    const double rad = M_PI / 180;
    const double b1 = std::atan((1 - kFlattening) * std::tan(lat1 * rad));
    const double b2 = std::atan((1 - kFlattening) * std::tan(lat2 * rad));
    const double dlon = (lon2 - lon1) * rad;
    const double h =
        std::pow(std::sin((b2 - b1) / 2), 2) + std::cos(b1) * std::cos(b2) * std::pow(std::sin(dlon / 2), 2);
    const double sigma = 2 * std::asin(std::min(1.0, std::sqrt(h)));
    if (sigma == 0) return 0;
    const double p = (b1 + b2) / 2, q = (b2 - b1) / 2;
    const double x =
        (sigma - std::sin(sigma)) * std::pow(std::sin(p) * std::cos(q), 2) / std::pow(std::cos(sigma / 2), 2);
    const double y =
        (sigma + std::sin(sigma)) * std::pow(std::cos(p) * std::sin(q), 2) / std::pow(std::sin(sigma / 2), 2);
    return kEquatorialRadiusKm * (sigma - kFlattening / 2 * (x + y));
}

ElevationProfileDialog::ElevationProfileDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ElevationProfileDialog"));
    setWindowTitle(QStringLiteral("Профиль по карте высот"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowStaysOnTopHint);

    name_ = NameField(QStringLiteral("ProfileName"), this);
    name_->setToolTip(QStringLiteral("Название профиля; без него - названия пунктов, без них - координаты концов"));
    auto* nameRow = new QFormLayout;
    nameRow->addRow(QStringLiteral("Название:"), name_);

    auto* ends = new QGroupBox(QStringLiteral("Концы интервала (WGS84)"), this);
    auto* endsGrid = new QGridLayout(ends);
    fromLat_ = DegreesField(QStringLiteral("FromLat"), ends);
    fromLon_ = DegreesField(QStringLiteral("FromLon"), ends);
    toLat_ = DegreesField(QStringLiteral("ToLat"), ends);
    toLon_ = DegreesField(QStringLiteral("ToLon"), ends);
    site1_ = NameField(QStringLiteral("Site1Name"), ends);
    site2_ = NameField(QStringLiteral("Site2Name"), ends);
    endsGrid->addWidget(new QLabel(QStringLiteral("Широта"), ends), 0, 1);
    endsGrid->addWidget(new QLabel(QStringLiteral("Долгота"), ends), 0, 2);
    endsGrid->addWidget(new QLabel(QStringLiteral("Пункт"), ends), 0, 3);
    endsGrid->addWidget(site1_, 1, 3);
    endsGrid->addWidget(site2_, 2, 3);
    endsGrid->addWidget(new QLabel(QStringLiteral("Станция 1 (начало):"), ends), 1, 0);
    endsGrid->addWidget(fromLat_, 1, 1);
    endsGrid->addWidget(fromLon_, 1, 2);
    endsGrid->addWidget(new QLabel(QStringLiteral("Станция 2 (конец):"), ends), 2, 0);
    endsGrid->addWidget(toLat_, 2, 1);
    endsGrid->addWidget(toLon_, 2, 2);
    preview_ = new QLabel(ends);
    preview_->setObjectName(QStringLiteral("LengthPreview"));
    preview_->setToolTip(
        QStringLiteral("Длина по эллипсоиду WGS84 (формула Ламберта); профиль строится по геодезической"));
    endsGrid->addWidget(preview_, 3, 0, 1, 4);
    endsGrid->setColumnStretch(3, 1);  // the degrees stay beside their labels, the sites take the rest

    auto* sources = new QGroupBox(QStringLiteral("Растры"), this);
    auto* form = new QFormLayout(sources);
    dem_ = new QLineEdit(sources);
    dem_->setObjectName(QStringLiteral("DemPaths"));
    dem_->setMinimumWidth(320);
    dem_->setToolTip(QStringLiteral("Файлы высот (SRTM .hgt, GeoTIFF, DTED, VRT) или папка с ними, через «;»"));
    auto* demFiles = new QPushButton(QStringLiteral("Файлы…"), sources);
    auto* demFolder = new QPushButton(QStringLiteral("Папка…"), sources);
    auto* demRow = new QHBoxLayout;
    demRow->addWidget(dem_);
    demRow->addWidget(demFiles);
    demRow->addWidget(demFolder);
    form->addRow(QStringLiteral("Карта высот:"), demRow);
    landCover_ = new QLineEdit(sources);
    landCover_->setObjectName(QStringLiteral("LandCover"));
    landCover_->setPlaceholderText(QStringLiteral("необязательно"));
    landCover_->setToolTip(QStringLiteral("Растр покрова в классах ESA WorldCover: коды и высоты объектов"));
    auto* coverFile = new QPushButton(QStringLiteral("Файл…"), sources);
    auto* coverRow = new QHBoxLayout;
    coverRow->addWidget(landCover_);
    coverRow->addWidget(coverFile);
    form->addRow(QStringLiteral("Покров:"), coverRow);

    auto* buttons = new QDialogButtonBox(this);
    build_ = buttons->addButton(QStringLiteral("Построить"), QDialogButtonBox::AcceptRole);
    build_->setObjectName(QStringLiteral("Build"));
    buttons->addButton(QStringLiteral("Отмена"), QDialogButtonBox::RejectRole);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(nameRow);
    layout->addWidget(ends);
    layout->addWidget(sources);
    layout->addWidget(buttons);

    for (QLineEdit* field : {fromLat_, fromLon_, toLat_, toLon_, dem_})
        connect(field, &QLineEdit::textChanged, this, &ElevationProfileDialog::UpdatePreview);
    connect(demFiles, &QPushButton::clicked, this, &ElevationProfileDialog::ChooseDemFiles);
    connect(demFolder, &QPushButton::clicked, this, &ElevationProfileDialog::ChooseDemFolder);
    connect(coverFile, &QPushButton::clicked, this, &ElevationProfileDialog::ChooseLandCover);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    UpdatePreview();
}

std::optional<ElevationProfileDialog::Ends> ElevationProfileDialog::ParsedEnds(QString* problem) const {
    const auto lat1 = Degrees(*fromLat_), lon1 = Degrees(*fromLon_), lat2 = Degrees(*toLat_), lon2 = Degrees(*toLon_);
    if (!lat1 || !lon1 || !lat2 || !lon2) {
        *problem = QStringLiteral("Введите широту и долготу обоих концов в градусах");
        return std::nullopt;
    }
    if (std::fabs(*lat1) > 90 || std::fabs(*lat2) > 90) {
        *problem = QStringLiteral("Широта - от -90 до 90 градусов");
        return std::nullopt;
    }
    if (std::fabs(*lon1) > 180 || std::fabs(*lon2) > 180) {
        *problem = QStringLiteral("Долгота - от -180 до 180 градусов");
        return std::nullopt;
    }
    return Ends{*lat1, *lon1, *lat2, *lon2};
}

QStringList ElevationProfileDialog::DemPaths() const {
    QStringList paths;
    for (const QString& part : dem_->text().split(kPathSeparator))
        if (!part.trimmed().isEmpty()) paths << part.trimmed();
    return paths;
}

void ElevationProfileDialog::UpdatePreview() {
    QString problem;
    const auto ends = ParsedEnds(&problem);
    if (ends)
        preview_->setText(QStringLiteral("Длина: около %1 км")
                              .arg(PreviewLengthKm(ends->lat1, ends->lon1, ends->lat2, ends->lon2), 0, 'f', 2));
    else
        preview_->setText(problem);
    build_->setEnabled(ends && !DemPaths().isEmpty());
}

std::optional<QStringList> ElevationProfileDialog::ProgramArguments(const QString& output) const {
    QString problem;
    const auto ends = ParsedEnds(&problem);
    const QStringList dem = DemPaths();
    if (!ends || dem.isEmpty()) return std::nullopt;
    QStringList arguments{QStringLiteral("--from"), Number(ends->lat1) + ',' + Number(ends->lon1),
                          QStringLiteral("--to"), Number(ends->lat2) + ',' + Number(ends->lon2)};
    for (const QString& path : dem) arguments << QStringLiteral("--dem") << path;
    if (!landCover_->text().trimmed().isEmpty())
        arguments << QStringLiteral("--landcover") << landCover_->text().trimmed();
    const QString name = BuiltProfileName(name_->text(), site1_->text(), site2_->text());
    if (!name.isEmpty()) arguments << QStringLiteral("--name") << name;
    arguments << QStringLiteral("-o") << output;
    return arguments;
}

void ElevationProfileDialog::ChooseDemFiles() {
    const QStringList files = QFileDialog::getOpenFileNames(this, QStringLiteral("Файлы карты высот"));
    if (!files.isEmpty()) dem_->setText(files.join(kPathSeparator));
}

void ElevationProfileDialog::ChooseDemFolder() {
    const QString folder = QFileDialog::getExistingDirectory(this, QStringLiteral("Папка с растрами высот"));
    if (!folder.isEmpty()) dem_->setText(folder);
}

void ElevationProfileDialog::ChooseLandCover() {
    const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("Растр покрова (ESA WorldCover)"));
    if (!file.isEmpty()) landCover_->setText(file);
}

}  // namespace vakrel
