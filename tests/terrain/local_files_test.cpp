// GDAL kept off the network for the whole process: with a listening socket on the loopback
// interface standing for a server, none of GDAL's ways to a URL (its network file systems and
// their streaming forms, its HTTP driver, its HTTP requests) opens a connection to it. The names
// here pass no check of vakrel's own: only the process-wide switch stops them.

#include "local_files.h"

#include <arpa/inet.h>
#include <cpl_http.h>
#include <cpl_vsi.h>
#include <gdal_priv.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <string>

namespace vakrel {
namespace {

TEST(LocalFiles, GdalOpensNoConnection) {
    const int server = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
    ASSERT_GE(server, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ASSERT_EQ(::bind(server, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(::listen(server, 16), 0);
    ASSERT_EQ(::getsockname(server, reinterpret_cast<sockaddr*>(&address), &length), 0);
    const std::string url = "http://127.0.0.1:" + std::to_string(ntohs(address.sin_port)) + "/dem.tif";

    GDALAllRegister();
    KeepGdalLocal();
    // Were the switch broken, a request would wait for the silent server: not for long.
    CPLSetThreadLocalConfigOption("GDAL_HTTP_TIMEOUT", "1");
    CPLPushErrorHandler(CPLQuietErrorHandler);
    for (const std::string& name : {"/vsicurl/" + url, "/vsicurl?url=" + url, "/vsicurl_streaming/" + url,
                                    "/vsiwebhdfs/" + url, "/vsizip//vsicurl/" + url + "/x.tif", url}) {
        SCOPED_TRACE(name);
        VSIStatBufL status;
        EXPECT_NE(VSIStatL(name.c_str(), &status), 0);
        VSILFILE* file = VSIFOpenL(name.c_str(), "rb");
        EXPECT_EQ(file, nullptr);
        if (file) VSIFCloseL(file);
        GDALDatasetH dataset = GDALOpenEx(name.c_str(), GDAL_OF_RASTER, nullptr, nullptr, nullptr);
        EXPECT_EQ(dataset, nullptr);
        if (dataset) GDALClose(dataset);
    }
    CPLHTTPResult* result = CPLHTTPFetch(url.c_str(), nullptr);
    ASSERT_NE(result, nullptr);
    EXPECT_NE(result->nStatus, 0);
    CPLHTTPDestroyResult(result);
    CPLPopErrorHandler();
    CPLSetThreadLocalConfigOption("GDAL_HTTP_TIMEOUT", nullptr);

    const int connection = ::accept(server, nullptr, nullptr);
    EXPECT_EQ(connection, -1) << "GDAL connected to the server";
    EXPECT_TRUE(errno == EAGAIN || errno == EWOULDBLOCK);
    if (connection >= 0) ::close(connection);
    ::close(server);
}

}  // namespace
}  // namespace vakrel
