#pragma once
// The dialog of the profile editor's command "Построить по карте высот…": the profile's name,
// the two ends in degrees (a decimal comma or point) with their sites' names, the elevation
// rasters (files or a folder), the optional land cover raster, and a preview of the length. One dialog for the run
// keeps what was typed for the next time.

#include <QDialog>
#include <QStringList>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace vakrel {

class ElevationProfileDialog : public QDialog {
    Q_OBJECT
public:
    explicit ElevationProfileDialog(QWidget* parent);

    // The command line of vakrel-profile for what the dialog holds, writing `output`; nothing
    // while the coordinates or the elevation paths are not usable.
    std::optional<QStringList> ProgramArguments(const QString& output) const;

private:
    struct Ends {
        double lat1, lon1, lat2, lon2;
    };
    // The ends typed, or the reason they cannot be used.
    std::optional<Ends> ParsedEnds(QString* problem) const;
    QStringList DemPaths() const;
    void UpdatePreview();
    void ChooseDemFiles();
    void ChooseDemFolder();
    void ChooseLandCover();

    QLineEdit* name_;
    QLineEdit* site1_;
    QLineEdit* site2_;
    QLineEdit* fromLat_;
    QLineEdit* fromLon_;
    QLineEdit* toLat_;
    QLineEdit* toLon_;
    QLineEdit* dem_;
    QLineEdit* landCover_;
    QLabel* preview_;
    QPushButton* build_;
};

// The name a built profile is given: the name typed, else "site 1 - site 2" when both sites
// are named; empty when neither, and vakrel-profile then names the profile by its ends.
QString BuiltProfileName(const QString& name, const QString& site1, const QString& site2);

// The length in km between two points in degrees on the WGS84 ellipsoid, for a preview before
// the profile is built along the geodesic.
double PreviewLengthKm(double lat1, double lon1, double lat2, double lon2);

}  // namespace vakrel
