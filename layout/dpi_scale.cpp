#include "layout/dpi_scale.h"

int ScaleForDpi(int pixelsAt96, int dpi) {
    if (dpi <= 0) {
        dpi = kDesignDpi;
    }
    const long long product = static_cast<long long>(pixelsAt96) * dpi;
    const long long half = kDesignDpi / 2;
    return static_cast<int>(product >= 0 ? (product + half) / kDesignDpi
                                         : -((-product + half) / kDesignDpi));
}
