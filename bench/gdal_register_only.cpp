// The floor of every GDAL program: load the library and register its drivers, nothing more.
#include <gdal.h>

int main() {
    GDALAllRegister();
    return 0;
}
