#include "raster_mosaic.h"

#include <gdal_priv.h>
#include <gdal_utils.h>
#include <ogr_spatialref.h>

#include <algorithm>
#include <cctype>
#include <cfloat>
#include <cmath>
#include <filesystem>
#include <mutex>

#include "local_files.h"
#include "srtm_tile.h"
#include "terrain_refusal.h"

namespace vakrel {

namespace {

constexpr int kWindow = 64;  // cells a side of a read for a cell that no path asked for
constexpr int kPatch = 32;   // at most this many cells a side of one read along a path
constexpr double kMetresPerDegree = 111320;
const char* const kGapNoData = "-32768";  // the nodata of SRTM, for mosaics of rasters without one

void RegisterGdalOnce() {
    static std::once_flag once;
    std::call_once(once, [] {
        GDALAllRegister();
        KeepGdalLocal();
        // Raw rasters (SRTM tiles, .bil, ENVI) read the cells asked for straight from the file,
        // not each row whole through the block cache.
        CPLSetConfigOption("GDAL_ONE_BIG_READ", "YES");
        CPLSetErrorHandler(CPLQuietErrorHandler);  // failures reach the user as refusals
    });
}

std::string LastGdalMessage() {
    const char* message = CPLGetLastErrorMsg();
    return message && *message ? std::string(": ") + message : std::string();
}

DatasetPtr OpenRaster(const std::string& path) {
    return DatasetPtr(GDALDataset::FromHandle(
        GDALOpenEx(path.c_str(), GDAL_OF_RASTER | GDAL_OF_READONLY, nullptr, nullptr, nullptr)));
}

// A nodata value as GDAL hands it over in a Float32 cell: out of range clamped to the largest float.
float AsFloat32(double value) {
    if (std::isnan(value) || std::isinf(value)) return static_cast<float>(value);
    return static_cast<float>(std::clamp(value, -static_cast<double>(FLT_MAX), static_cast<double>(FLT_MAX)));
}

// The files of a path: the path itself, or the regular files of a folder in name order (pipes,
// devices and sockets in it are passed over unopened).
std::vector<std::string> FilesOf(const std::string& path, bool* folder) {
    if (IsNetworkOrVirtualName(path))
        throw TerrainRefusal(path +
                             ": адрес в сети или виртуальная файловая система GDAL; читаются только локальные файлы");
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status)) throw TerrainRefusal(path + ": файл не найден");
    *folder = std::filesystem::is_directory(status);
    if (!*folder && !std::filesystem::is_regular_file(status))
        throw TerrainRefusal(path + ": не обычный файл (канал, устройство или сокет), он не читается");
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
    LocalFileCheck local;
    std::vector<Tile> tiles;
    // The coordinate system of the first raster; for an SRTM tile, made only once another raster
    // is compared with it, so that an SRTM tile alone never loads PROJ.
    std::optional<OGRSpatialReference> srs;
    std::string firstName;
    bool firstIsSrtm = false;
    DatasetPtr firstOpen;  // kept open for a mosaic of that one raster
    for (const std::string& path : paths) {
        bool folder = false;
        const std::size_t before = tiles.size();
        for (const std::string& file : FilesOf(path, &folder)) {
            const std::optional<SrtmTile> srtm = SrtmTileOf(file);
            local.BeforeOpening(file, srtm.has_value());
            const bool isSrtm = srtm.has_value();
            DatasetPtr ds = isSrtm ? OpenSrtmTile(file, *srtm) : OpenRaster(file);
            if (!ds) {
                if (folder) continue;  // side files such as .prj or .aux.xml, texts
                throw TerrainRefusal(file + ": не открывается как растр" + LastGdalMessage());
            }
            if (!isSrtm) local.AfterOpening(*ds, file);
            double gt[6];
            if (ds->GetGeoTransform(gt) != CE_None) throw TerrainRefusal(file + ": растр без географической привязки");
            const OGRSpatialReference* own = isSrtm ? nullptr : ds->GetSpatialRef();
            if (!isSrtm && (!own || own->IsEmpty()))
                throw TerrainRefusal(file + ": у растра не указана система координат");
            if (firstName.empty()) {
                if (own) srs = *own;
                firstName = file;
                firstIsSrtm = isSrtm;
            } else if (!(isSrtm && firstIsSrtm)) {
                if (!srs) srs = SrtmSpatialRef();
                const OGRSpatialReference mine = own ? *own : SrtmSpatialRef();
                if (!mine.IsSame(&*srs)) throw TerrainRefusal(file + ": система координат не та, что у " + firstName);
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

    if (srs) {  // else SRTM tiles alone: WGS84 by their format
        OGRSpatialReference wgs84;
        wgs84.SetWellKnownGeogCS("WGS84");
        wgs84.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
        srs->SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
        geographic_ = srs->IsGeographic();
        // Coordinates are transformed only when the raster's are not WGS84 degrees.
        if (!geographic_ || !srs->IsSameGeogCS(&wgs84)) {
            fromWgs84_.reset(OGRCreateCoordinateTransformation(&wgs84, &*srs));
            if (!fromWgs84_)
                throw TerrainRefusal(
                    firstName +
                    ": растр не в географических координатах, и координаты WGS84 в его систему не пересчитываются");
        }
        if (!geographic_) linearUnitMetres_ = srs->GetLinearUnits();
    }

    KeepTilesAlong(tiles, along);
    if (tiles.empty())
        throw TerrainRefusal("точка пути " + FormatGeoPoint(along.front()) + " лежит вне всех растров " + role);
    for (const Tile& tile : tiles) extents_.push_back(tile.extent);

    name_ = tiles.size() == 1 ? tiles.front().name : paths.front();
    if (tiles.size() == 1) {
        if (tiles.front().name == firstName) {
            mosaic_ = firstOpen.release();
        } else {
            const std::optional<SrtmTile> srtm = SrtmTileOf(tiles.front().name);
            mosaic_ = (srtm ? OpenSrtmTile(tiles.front().name, *srtm) : OpenRaster(tiles.front().name)).release();
        }
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
    hasNoData_ = hasNoData != 0;
    noDataIsNan_ = hasNoData_ && std::isnan(noData);
    noData_ = AsFloat32(noData);
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

RasterMosaic::Patch RasterMosaic::Read(int x0, int y0, int w, int h) {
    Patch patch;
    patch.x0 = x0;
    patch.y0 = y0;
    patch.w = w;
    patch.h = h;
    patch.cells.resize(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
    if (band_->RasterIO(GF_Read, x0, y0, w, h, patch.cells.data(), w, h, GDT_Float32, 0, 0, nullptr) != CE_None)
        throw TerrainRefusal(name_ + ": ошибка чтения растра" + LastGdalMessage());
    return patch;
}

// A point needs the cells (x0, y0) to (x0 + 1, y0 + 1) around it, clamped into the raster as
// GroundHeightAt clamps it. Consecutive points share a patch while its cells stay within kPatch
// a side: along a path of 1000 points over a 1" tile that is some 45 reads of 32 x 32 cells.
void RasterMosaic::ReadAround(const std::vector<GeoPoint>& points) {
    bool open = false;
    int minX = 0, maxX = 0, minY = 0, maxY = 0;
    const auto close = [&] {
        if (open) patches_.push_back(Read(minX, minY, maxX - minX + 1, maxY - minY + 1));
        open = false;
    };
    for (const GeoPoint& point : points) {
        const auto cell = Locate(point);
        if (!cell) continue;
        const double x = std::clamp(cell->x, 0.0, width_ - 1.0);
        const double y = std::clamp(cell->y, 0.0, height_ - 1.0);
        const int x0 = std::min(static_cast<int>(x), std::max(width_ - 2, 0));
        const int y0 = std::min(static_cast<int>(y), std::max(height_ - 2, 0));
        const int x1 = std::min(x0 + 1, width_ - 1);
        const int y1 = std::min(y0 + 1, height_ - 1);
        if (open && std::max(maxX, x1) - std::min(minX, x0) < kPatch &&
            std::max(maxY, y1) - std::min(minY, y0) < kPatch) {
            minX = std::min(minX, x0);
            maxX = std::max(maxX, x1);
            minY = std::min(minY, y0);
            maxY = std::max(maxY, y1);
            continue;
        }
        close();
        open = true;
        minX = x0;
        maxX = x1;
        minY = y0;
        maxY = y1;
    }
    close();
}

const RasterMosaic::Patch& RasterMosaic::Window(int windowX, int windowY) {
    const std::int64_t key = (static_cast<std::int64_t>(windowY) << 32) | static_cast<std::uint32_t>(windowX);
    auto found = windows_.find(key);
    if (found != windows_.end()) return found->second;
    const int x0 = windowX * kWindow;
    const int y0 = windowY * kWindow;
    return windows_.emplace(key, Read(x0, y0, std::min(kWindow, width_ - x0), std::min(kWindow, height_ - y0)))
        .first->second;
}

std::optional<double> RasterMosaic::Cell(int x, int y) {
    float value = 0;
    if (lastPatch_ < patches_.size() && patches_[lastPatch_].Holds(x, y)) {
        value = patches_[lastPatch_].At(x, y);
    } else if (lastPatch_ + 1 < patches_.size() && patches_[lastPatch_ + 1].Holds(x, y)) {
        value = patches_[++lastPatch_].At(x, y);
    } else {
        const auto holder =
            std::find_if(patches_.begin(), patches_.end(), [&](const Patch& p) { return p.Holds(x, y); });
        if (holder != patches_.end()) {
            lastPatch_ = static_cast<std::size_t>(holder - patches_.begin());
            value = holder->At(x, y);
        } else {
            value = Window(x / kWindow, y / kWindow).At(x, y);
        }
    }
    if (hasNoData_ && (noDataIsNan_ ? std::isnan(value) : value == noData_)) return std::nullopt;
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
