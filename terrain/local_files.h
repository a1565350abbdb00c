#pragma once
// Only local files: no raster makes this process open a network connection or hang. KeepGdalLocal
// switches GDAL's ways to the network off for the whole process; LocalFileCheck refuses a raster
// before GDAL opens it when the raster, a source of a VRT (at any depth) or a file GDAL would open
// beside it is not a plain local file: a URL, a GDAL virtual file system (/vsicurl/, /vsis3/,
// /vsistdin/, ...), a pipe, a device or a socket. What a file is comes from stat; a file is opened
// (to read a VRT) only once stat has found it regular.

#include <map>
#include <string>
#include <vector>

class GDALDataset;

namespace vakrel {

// For the whole process, once GDAL's drivers are registered: the network file systems of GDAL
// (/vsicurl/ and those built on it, their _streaming forms, /vsihdfs/, /vsiwebhdfs/) and
// /vsistdin/ refuse every name, GDAL's HTTP requests fail without a connection, the drivers
// that are clients of network services (HTTP, WMS, WCS, PostGISRaster, ...) are gone, PROJ
// downloads no grids and VRT pixel functions run no Python. Only the first call acts.
void KeepGdalLocal();

// A URL ("http://", "ftp://", "s3://", ...) or a name in a GDAL virtual file system ("/vsi...").
bool IsNetworkOrVirtualName(const std::string& name);

// One check for one mosaic: remembers, folder by folder, the pipes and devices it has seen.
class LocalFileCheck {
public:
    // `file`, about to be opened as a raster, is a regular local file; no pipe or device beside
    // it starts with its name (GDAL opens such side files as .aux.xml, .ovr, .hdr with a raster);
    // a VRT's sources pass the same check, the message then naming the VRT. `rawGrid`: the file
    // is read as a raw grid, not through GDAL's drivers, and so is no VRT. Throws TerrainRefusal.
    void BeforeOpening(const std::string& file, bool rawGrid = false);
    // Every file an opened raster lists (GDALGetFileList) is a local file that is no pipe, device
    // or socket. Throws TerrainRefusal naming `raster`.
    void AfterOpening(GDALDataset& dataset, const std::string& raster);

private:
    void Check(const std::string& file, const std::string& listedBy, int depth, bool rawGrid);
    const std::vector<std::string>& SpecialFilesIn(const std::string& folder);

    std::map<std::string, std::vector<std::string>> specialFiles_;  // folder -> names of its pipes, devices
};

}  // namespace vakrel
