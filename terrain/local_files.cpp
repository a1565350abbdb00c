#include "local_files.h"

#include <cpl_conv.h>
#include <cpl_http.h>
#include <cpl_minixml.h>
#include <cpl_vsi_error.h>
#include <cpl_vsi_virtual.h>
#include <gdal_priv.h>
#include <ogr_srs_api.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>

#include "terrain_refusal.h"

namespace vakrel {

namespace {

// VRTs nest their sources; deeper than this is taken for a loop.
constexpr int kMaxVrtDepth = 16;

// The file systems of GDAL 3.6 that reach the network, and /vsistdin/, which would wait for a
// terminal. The option CPL_VSIL_CURL_ALLOWED_FILENAME alone closes /vsicurl/ and the systems built
// on it but not their _streaming forms: each of these gets a file system that refuses every name.
const char* const kClosedFileSystems[] = {
    "/vsicurl/",
    "/vsicurl?",
    "/vsicurl_streaming/",
    "/vsis3/",
    "/vsis3_streaming/",
    "/vsigs/",
    "/vsigs_streaming/",
    "/vsiaz/",
    "/vsiaz_streaming/",
    "/vsiadls/",
    "/vsioss/",
    "/vsioss_streaming/",
    "/vsiswift/",
    "/vsiswift_streaming/",
    "/vsihdfs/",
    "/vsiwebhdfs/",
    "/vsistdin/",
    "/vsistdin?",
};

// Drivers whose datasets are clients of network services, even when described by a local file
// (a WMS description names its server). Not every build has all of them.
const char* const kNetworkDrivers[] = {
    "HTTP",  "WMS",    "WMTS", "WCS",           "PLMOSAIC", "PLSCENES", "DAAS",
    "EEDAI", "OGCAPI", "NGW",  "PostGISRaster", "STACTA",   "STACIT",
};

// No name is this, so /vsicurl/ and the file systems built on it open none.
const char* const kNoNetworkFile = "vakrel-profile reads local files only";

class ClosedFileSystem final : public VSIFilesystemHandler {
public:
    VSIVirtualHandle* Open(const char* name, const char*, bool setError, CSLConstList) override {
        if (setError) VSIError(VSIE_FileError, "%s: vakrel-profile reads local files only", name);
        errno = EACCES;
        return nullptr;
    }
    int Stat(const char*, VSIStatBufL*, int) override {
        errno = ENOENT;
        return -1;
    }
    char** ReadDirEx(const char*, int) override { return nullptr; }
    char** SiblingFiles(const char*) override { return nullptr; }
};

CPLHTTPResult* RefuseRequest(const char* url, CSLConstList, GDALProgressFunc, void*, CPLHTTPFetchWriteFunc, void*,
                             void*) {
    auto* result = static_cast<CPLHTTPResult*>(CPLCalloc(1, sizeof(CPLHTTPResult)));
    result->nStatus = 1;
    result->pszErrBuf = CPLStrdup((std::string(url) + ": vakrel-profile reads local files only").c_str());
    return result;
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); });
    return text;
}

// A VRT: GDAL's VRT driver takes a file whose first bytes hold this element.
bool IsVrt(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    std::string head(1024, '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(in.gcount()));
    return head.find("<VRTDataset") != std::string::npos;
}

std::string TextOf(const CPLXMLNode* element) {
    for (const CPLXMLNode* child = element->psChild; child; child = child->psNext)
        if (child->eType == CXT_Text) return child->pszValue;
    return {};
}

// Every file a VRT names, as GDAL finds it: its sources (simple, complex, raw, the dataset of a
// warped VRT, overviews, masks), a name marked relativeToVRT taken from the VRT's folder.
void CollectSources(const CPLXMLNode* node, const std::filesystem::path& folder, std::vector<std::string>& names) {
    for (; node; node = node->psNext) {
        if (node->eType != CXT_Element) continue;
        if (EQUAL(node->pszValue, "SourceFilename") || EQUAL(node->pszValue, "SourceDataset")) {
            const std::string name = TextOf(node);
            if (name.empty()) continue;
            const bool relative = std::atoi(CPLGetXMLValue(node, "relativeToVRT", "0")) != 0;
            if (relative && !IsNetworkOrVirtualName(name) && std::filesystem::path(name).is_relative())
                names.push_back((folder / name).string());
            else
                names.push_back(name);
            continue;
        }
        CollectSources(node->psChild, folder, names);
    }
}

}  // namespace

void KeepGdalLocal() {
    static std::once_flag once;
    std::call_once(once, [] {
        CPLSetConfigOption("CPL_VSIL_CURL_ALLOWED_FILENAME", kNoNetworkFile);
        // The file systems replaced stay alive and reachable, never used again.
        static std::vector<VSIFilesystemHandler*> replaced;
        for (const char* prefix : kClosedFileSystems) {
            replaced.push_back(VSIFileManager::GetHandler(prefix));
            VSIFileManager::InstallHandler(prefix, new ClosedFileSystem);
        }
        CPLHTTPSetFetchCallback(RefuseRequest, nullptr);
        std::string skip = CPLGetConfigOption("GDAL_SKIP", "");
        for (const char* name : kNetworkDrivers) {
            skip += std::string(skip.empty() ? "" : " ") + name;  // also for a later GDALAllRegister
            if (GDALDriverH driver = GDALGetDriverByName(name)) {
                GDALDeregisterDriver(driver);
                GDALDestroyDriver(driver);
            }
        }
        CPLSetConfigOption("GDAL_SKIP", skip.c_str());
        OSRSetPROJEnableNetwork(FALSE);
        CPLSetConfigOption("GDAL_VRT_ENABLE_PYTHON", "NO");
    });
}

bool IsNetworkOrVirtualName(const std::string& name) {
    return name.rfind("/vsi", 0) == 0 || name.find("://") != std::string::npos;
}

void LocalFileCheck::BeforeOpening(const std::string& file, bool rawGrid) { Check(file, {}, 0, rawGrid); }

// `listedBy` is the VRT that names `file` as a source, empty for a raster given or found in a folder.
void LocalFileCheck::Check(const std::string& file, const std::string& listedBy, int depth, bool rawGrid) {
    const std::string what = listedBy.empty() ? file : listedBy + ": источник " + file;
    if (IsNetworkOrVirtualName(file))
        throw TerrainRefusal(what +
                             " - адрес в сети или виртуальная файловая система GDAL; читаются только "
                             "локальные файлы");
    struct stat status {};
    if (::stat(file.c_str(), &status) != 0) throw TerrainRefusal(what + ": файл не найден");
    if (!S_ISREG(status.st_mode))
        throw TerrainRefusal(what + " - не обычный файл (канал, устройство, сокет или папка), он не читается");

    const std::filesystem::path path(file);
    const std::string name = Lower(path.filename().string());
    const std::string stem = name.substr(0, std::max<std::size_t>(name.find('.'), 1));
    for (const std::string& special : SpecialFilesIn(path.parent_path().string()))
        if (Lower(special).rfind(stem, 0) == 0)
            throw TerrainRefusal((listedBy.empty() ? file : listedBy) + ": рядом с " + path.filename().string() +
                                 " лежит " + special + " - канал или устройство, GDAL открыл бы его вместе с растром");

    if (rawGrid || !IsVrt(file)) return;
    if (depth >= kMaxVrtDepth) throw TerrainRefusal(file + ": источники VRT вложены глубже 16 уровней");
    std::unique_ptr<CPLXMLNode, void (*)(CPLXMLNode*)> tree(CPLParseXMLFile(file.c_str()), CPLDestroyXMLNode);
    if (!tree) return;  // GDAL refuses to open it, with its own message
    std::vector<std::string> sources;
    CollectSources(tree.get(), path.parent_path(), sources);
    for (const std::string& source : sources) Check(source, file, depth + 1, false);
}

void LocalFileCheck::AfterOpening(GDALDataset& dataset, const std::string& raster) {
    std::unique_ptr<char*, void (*)(char**)> files(dataset.GetFileList(), CSLDestroy);
    for (char** name = files.get(); name && *name; ++name) {
        const std::string file = *name;
        if (IsNetworkOrVirtualName(file))
            throw TerrainRefusal(raster + ": источник " + file +
                                 " - адрес в сети или виртуальная файловая система GDAL; читаются только "
                                 "локальные файлы");
        struct stat status {};
        if (::stat(file.c_str(), &status) == 0 && !S_ISREG(status.st_mode) && !S_ISDIR(status.st_mode))
            throw TerrainRefusal(raster + ": файл " + file + " - канал, устройство или сокет, он не читается");
    }
}

// The pipes and devices of a folder (symbolic links followed), which GDAL would wait on when it
// opened one; a socket it fails to open at once.
const std::vector<std::string>& LocalFileCheck::SpecialFilesIn(const std::string& folder) {
    const std::string key = folder.empty() ? "." : folder;
    auto found = specialFiles_.find(key);
    if (found != specialFiles_.end()) return found->second;
    std::vector<std::string> special;
    std::error_code error;
    for (std::filesystem::directory_iterator it(key, error), end; !error && it != end; it.increment(error)) {
        // The type the folder listing gives, a stat only for a symbolic link.
        std::error_code typeError;
        if (it->is_fifo(typeError) || it->is_character_file(typeError) || it->is_block_file(typeError))
            special.push_back(it->path().filename().string());
    }
    return specialFiles_.emplace(key, std::move(special)).first->second;
}

}  // namespace vakrel
