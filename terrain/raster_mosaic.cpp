#include "raster_mosaic.h"

#include <gdal_priv.h>
#include <gdal_utils.h>
#include <ogr_spatialref.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <mutex>

#include "terrain_refusal.h"

namespace vakrel {

namespace {

constexpr int kWindow = 64;  // cells a side of one read
constexpr double kMetresPerDegree = 111320;

void RegisterGdalOnce() {
    static std::once_flag once;
    std::call_once(once, [] {
        GDALAllRegister();
        CPLSetErrorHandler(CPLQuietErrorHandler);  // failures reach the user as refusals
    });
}

std::string LastGdalMessage() {
    const char* message = CPLGetLastErrorMsg();
    return message && *message ? std::string(": ") + message : std::string();
}

GDALDataset* OpenRaster(const std::string& path) {
    return GDALDataset::FromHandle(
        GDALOpenEx(path.c_str(), GDAL_OF_RASTER | GDAL_OF_READONLY, nullptr, nullptr, nullptr));
}

// The rasters of a folder, in name order; files GDAL does not open as rasters (side files such
// as .prj or .aux.xml, texts) are passed over.
std::vector<GDALDataset*> OpenFolder(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.is_regular_file()) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    std::vector<GDALDataset*> rasters;
    for (const auto& file : files)
        if (GDALDataset* ds = OpenRaster(file.string())) rasters.push_back(ds);
    return rasters;
}

}  // namespace

RasterMosaic::RasterMosaic(const std::vector<std::string>& paths, const std::string& role) : paths_(paths) {
    RegisterGdalOnce();
    auto refuse = [this](const std::string& message) {
        if (ownsMosaic_) GDALClose(mosaic_);
        for (GDALDataset* ds : sources_) GDALClose(ds);
        sources_.clear();
        throw TerrainRefusal(message);
    };
    for (const std::string& path : paths) {
        std::error_code error;
        const auto status = std::filesystem::status(path, error);
        if (!std::filesystem::exists(status)) refuse(path + ": файл не найден");
        if (std::filesystem::is_directory(status)) {
            const auto rasters = OpenFolder(path);
            if (rasters.empty()) refuse(path + ": в папке нет растров " + role);
            sources_.insert(sources_.end(), rasters.begin(), rasters.end());
        } else if (GDALDataset* ds = OpenRaster(path)) {
            sources_.push_back(ds);
        } else {
            refuse(path + ": не открывается как растр" + LastGdalMessage());
        }
    }
    if (sources_.empty()) refuse("не задан ни один растр " + role);

    const OGRSpatialReference* srs = sources_.front()->GetSpatialRef();
    for (GDALDataset* ds : sources_) {
        const std::string name = ds->GetDescription();
        double gt[6];
        if (ds->GetGeoTransform(gt) != CE_None) refuse(name + ": растр без географической привязки");
        const OGRSpatialReference* own = ds->GetSpatialRef();
        if (!own || own->IsEmpty()) refuse(name + ": у растра не указана система координат");
        if (!own->IsSame(srs)) refuse(name + ": система координат не та, что у " + sources_.front()->GetDescription());
        Extent e{};
        double xs[2] = {gt[0], gt[0] + gt[1] * ds->GetRasterXSize() + gt[2] * ds->GetRasterYSize()};
        double ys[2] = {gt[3], gt[3] + gt[4] * ds->GetRasterXSize() + gt[5] * ds->GetRasterYSize()};
        e.minX = std::min(xs[0], xs[1]);
        e.maxX = std::max(xs[0], xs[1]);
        e.minY = std::min(ys[0], ys[1]);
        e.maxY = std::max(ys[0], ys[1]);
        extents_.push_back(e);
    }

    OGRSpatialReference wgs84;
    wgs84.SetWellKnownGeogCS("WGS84");
    wgs84.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    OGRSpatialReference target(*srs);
    target.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    geographic_ = target.IsGeographic();
    if (!geographic_ || !target.IsSameGeogCS(&wgs84)) {
        fromWgs84_.reset(OGRCreateCoordinateTransformation(&wgs84, &target));
        if (!fromWgs84_)
            refuse(std::string(sources_.front()->GetDescription()) +
                   ": растр не в географических координатах, и координаты WGS84 в его систему не пересчитываются");
    }
    if (!geographic_) linearUnitMetres_ = target.GetLinearUnits();

    if (sources_.size() == 1) {
        mosaic_ = sources_.front();
    } else {
        const char* options[] = {"-resolution", "highest", "-r", "bilinear", nullptr};
        GDALBuildVRTOptions* vrtOptions = GDALBuildVRTOptionsNew(const_cast<char**>(options), nullptr);
        std::vector<GDALDatasetH> handles(sources_.begin(), sources_.end());
        int usageError = 0;
        mosaic_ = GDALDataset::FromHandle(
            GDALBuildVRT("", static_cast<int>(handles.size()), handles.data(), nullptr, vrtOptions, &usageError));
        GDALBuildVRTOptionsFree(vrtOptions);
        if (!mosaic_) refuse(paths.front() + ": растры не складываются в одну мозаику" + LastGdalMessage());
        ownsMosaic_ = true;
    }
    band_ = mosaic_->GetRasterBand(1);
    if (!band_) refuse(std::string(mosaic_->GetDescription()) + ": в растре нет слоя значений");
    width_ = mosaic_->GetRasterXSize();
    height_ = mosaic_->GetRasterYSize();
    mosaic_->GetGeoTransform(fromCell_);
    if (!GDALInvGeoTransform(fromCell_, toCell_))
        refuse(std::string(mosaic_->GetDescription()) + ": привязка растра вырождена (нулевой размер ячейки)");
    int hasNoData = 0;
    const double noData = band_->GetNoDataValue(&hasNoData);
    if (hasNoData) noData_ = noData;
}

RasterMosaic::~RasterMosaic() {
    if (ownsMosaic_) GDALClose(mosaic_);
    for (GDALDataset* ds : sources_) GDALClose(ds);
}

std::optional<RasterMosaic::CellPosition> RasterMosaic::Locate(GeoPoint point) const {
    double x = point.lon;
    double y = point.lat;
    if (fromWgs84_ && !fromWgs84_->Transform(1, &x, &y)) return std::nullopt;
    const bool inside = std::any_of(extents_.begin(), extents_.end(), [&](const Extent& e) {
        return x >= e.minX && x <= e.maxX && y >= e.minY && y <= e.maxY;
    });
    if (!inside) return std::nullopt;
    CellPosition cell;
    cell.x = toCell_[0] + toCell_[1] * x + toCell_[2] * y - 0.5;
    cell.y = toCell_[3] + toCell_[4] * x + toCell_[5] * y - 0.5;
    return cell;
}

const std::vector<float>& RasterMosaic::Window(int windowX, int windowY) {
    const std::int64_t key = (static_cast<std::int64_t>(windowY) << 32) | static_cast<std::uint32_t>(windowX);
    auto found = windows_.find(key);
    if (found != windows_.end()) return found->second;
    const int x0 = windowX * kWindow;
    const int y0 = windowY * kWindow;
    const int w = std::min(kWindow, width_ - x0);
    const int h = std::min(kWindow, height_ - y0);
    std::vector<float> cells(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
    if (band_->RasterIO(GF_Read, x0, y0, w, h, cells.data(), w, h, GDT_Float32, 0, 0, nullptr) != CE_None)
        throw TerrainRefusal(std::string(mosaic_->GetDescription()) + ": ошибка чтения растра" + LastGdalMessage());
    return windows_.emplace(key, std::move(cells)).first->second;
}

std::optional<double> RasterMosaic::Cell(int x, int y) {
    const int windowX = x / kWindow;
    const int windowY = y / kWindow;
    const std::vector<float>& cells = Window(windowX, windowY);
    const int w = std::min(kWindow, width_ - windowX * kWindow);
    const float value = cells[static_cast<std::size_t>(y - windowY * kWindow) * static_cast<std::size_t>(w) +
                              static_cast<std::size_t>(x - windowX * kWindow)];
    if (std::isnan(value) || (noData_ && value == static_cast<float>(*noData_))) return std::nullopt;
    return value;
}

double RasterMosaic::CellSizeMetres(GeoPoint point) const {
    const double dx = std::hypot(fromCell_[1], fromCell_[4]);
    const double dy = std::hypot(fromCell_[2], fromCell_[5]);
    if (!geographic_) return std::min(dx, dy) * linearUnitMetres_;
    const double eastWest = dx * kMetresPerDegree * std::cos(point.lat * M_PI / 180);
    return std::min(eastWest, dy * kMetresPerDegree);
}

}  // namespace vakrel
