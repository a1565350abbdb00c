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
const char* const kGapNoData = "-32768";  // the nodata of SRTM, for mosaics of rasters without one

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

struct CloseDataset {
    void operator()(GDALDataset* ds) const { GDALClose(ds); }
};
using DatasetPtr = std::unique_ptr<GDALDataset, CloseDataset>;

DatasetPtr OpenRaster(const std::string& path) {
    return DatasetPtr(GDALDataset::FromHandle(
        GDALOpenEx(path.c_str(), GDAL_OF_RASTER | GDAL_OF_READONLY, nullptr, nullptr, nullptr)));
}

// The files of a path: the path itself, or the files of a folder in name order.
std::vector<std::string> FilesOf(const std::string& path, bool* folder) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status)) throw TerrainRefusal(path + ": файл не найден");
    *folder = std::filesystem::is_directory(status);
    if (!*folder) return {path};
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(path, error))
        if (entry.is_regular_file()) files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace

// Each raster is opened to learn where it lies and closed again (only the first stays open,
// for a mosaic of that one raster), so that a folder of thousands of tiles holds no more files
// open than the mosaic reads from.
RasterMosaic::RasterMosaic(const std::vector<std::string>& paths, const std::string& role,
                           const std::vector<GeoPoint>& along)
    : paths_(paths) {
    RegisterGdalOnce();
    std::vector<Tile> tiles;
    OGRSpatialReference srs;
    std::string firstName;
    DatasetPtr firstOpen;  // kept open for a mosaic of that one raster
    for (const std::string& path : paths) {
        bool folder = false;
        const std::size_t before = tiles.size();
        for (const std::string& file : FilesOf(path, &folder)) {
            DatasetPtr ds = OpenRaster(file);
            if (!ds) {
                if (folder) continue;  // side files such as .prj or .aux.xml, texts
                throw TerrainRefusal(file + ": не открывается как растр" + LastGdalMessage());
            }
            double gt[6];
            if (ds->GetGeoTransform(gt) != CE_None) throw TerrainRefusal(file + ": растр без географической привязки");
            const OGRSpatialReference* own = ds->GetSpatialRef();
            if (!own || own->IsEmpty()) throw TerrainRefusal(file + ": у растра не указана система координат");
            if (firstName.empty()) {
                srs = *own;
                firstName = file;
            } else if (!own->IsSame(&srs)) {
                throw TerrainRefusal(file + ": система координат не та, что у " + firstName);
            }
            const int w = ds->GetRasterXSize(), h = ds->GetRasterYSize();
            const double xs[2] = {gt[0], gt[0] + gt[1] * w + gt[2] * h};
            const double ys[2] = {gt[3], gt[3] + gt[4] * w + gt[5] * h};
            int hasNoData = 0;
            if (ds->GetRasterCount() > 0) ds->GetRasterBand(1)->GetNoDataValue(&hasNoData);
            tiles.push_back(
                {file,
                 {std::min(xs[0], xs[1]), std::max(xs[0], xs[1]), std::min(ys[0], ys[1]), std::max(ys[0], ys[1])},
                 std::max(std::hypot(gt[1], gt[4]), std::hypot(gt[2], gt[5])),
                 hasNoData != 0});
            if (!firstOpen) firstOpen = std::move(ds);
        }
        if (folder && tiles.size() == before) throw TerrainRefusal(path + ": в папке нет растров " + role);
    }
    if (tiles.empty()) throw TerrainRefusal("не задан ни один растр " + role);

    OGRSpatialReference wgs84;
    wgs84.SetWellKnownGeogCS("WGS84");
    wgs84.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    srs.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    geographic_ = srs.IsGeographic();
    if (!geographic_ || !srs.IsSameGeogCS(&wgs84)) {
        fromWgs84_.reset(OGRCreateCoordinateTransformation(&wgs84, &srs));
        if (!fromWgs84_)
            throw TerrainRefusal(
                firstName +
                ": растр не в географических координатах, и координаты WGS84 в его систему не пересчитываются");
    }
    if (!geographic_) linearUnitMetres_ = srs.GetLinearUnits();

    KeepTilesAlong(tiles, along);
    if (tiles.empty())
        throw TerrainRefusal("точка пути " + FormatGeoPoint(along.front()) + " лежит вне всех растров " + role);
    for (const Tile& tile : tiles) extents_.push_back(tile.extent);

    if (tiles.size() == 1) {
        mosaic_ = (tiles.front().name == firstName ? std::move(firstOpen) : OpenRaster(tiles.front().name)).release();
    } else {
        // Built from the names, the virtual raster opens its sources only when it reads them,
        // from a small pool of open files.
        std::vector<const char*> names;
        for (const Tile& tile : tiles) names.push_back(tile.name.c_str());
        // Where no tile lies, the virtual raster holds nodata, so that a height next to a gap
        // between tiles never mixes in a filled zero.
        std::vector<const char*> options = {"-resolution", "highest", "-r", "bilinear"};
        if (std::any_of(tiles.begin(), tiles.end(), [](const Tile& t) { return !t.hasNoData; }))
            options.insert(options.end(), {"-vrtnodata", kGapNoData});
        options.push_back(nullptr);
        GDALBuildVRTOptions* vrtOptions = GDALBuildVRTOptionsNew(const_cast<char**>(options.data()), nullptr);
        int usageError = 0;
        mosaic_ = GDALDataset::FromHandle(
            GDALBuildVRT("", static_cast<int>(names.size()), nullptr, names.data(), vrtOptions, &usageError));
        GDALBuildVRTOptionsFree(vrtOptions);
    }
    if (!mosaic_) throw TerrainRefusal(paths.front() + ": растры не складываются в одну мозаику" + LastGdalMessage());
    band_ = mosaic_->GetRasterBand(1);
    if (!band_) {
        GDALClose(mosaic_);
        throw TerrainRefusal(tiles.front().name + ": в растре нет слоя значений");
    }
    width_ = mosaic_->GetRasterXSize();
    height_ = mosaic_->GetRasterYSize();
    mosaic_->GetGeoTransform(fromCell_);
    if (!GDALInvGeoTransform(fromCell_, toCell_)) {
        GDALClose(mosaic_);
        throw TerrainRefusal(tiles.front().name + ": привязка растра вырождена (нулевой размер ячейки)");
    }
    int hasNoData = 0;
    const double noData = band_->GetNoDataValue(&hasNoData);
    if (hasNoData) noData_ = noData;
}

// A tile stays when a point of `along` lies in it or within two of its cells and one step of
// `along` of it: the profile's own points fall between those of `along`, and bilinear heights
// near an edge read the cells beyond it.
void RasterMosaic::KeepTilesAlong(std::vector<Tile>& tiles, const std::vector<GeoPoint>& along) const {
    if (along.empty()) return;
    std::vector<double> xs, ys;
    for (const GeoPoint& p : along) {
        double x = p.lon, y = p.lat;
        if (fromWgs84_ && !fromWgs84_->Transform(1, &x, &y)) continue;
        xs.push_back(x);
        ys.push_back(y);
    }
    double step = 0;
    for (std::size_t i = 1; i < xs.size(); ++i)
        step = std::max({step, std::fabs(xs[i] - xs[i - 1]), std::fabs(ys[i] - ys[i - 1])});
    std::erase_if(tiles, [&](const Tile& tile) {
        const double margin = 2 * tile.cell + step;
        for (std::size_t i = 0; i < xs.size(); ++i)
            if (xs[i] >= tile.extent.minX - margin && xs[i] <= tile.extent.maxX + margin &&
                ys[i] >= tile.extent.minY - margin && ys[i] <= tile.extent.maxY + margin)
                return false;
        return true;
    });
}

RasterMosaic::~RasterMosaic() { GDALClose(mosaic_); }

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
