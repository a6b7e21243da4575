// The picture names in index order; the files are "<name>.jpg" in the folder "Pict".
#include "calc/Pictures.h"

#include <array>

namespace zul {

namespace {

const std::array<std::string_view, kPictureCount> kPictures = {
    "Zast-001", "ZGidravl", "ZSkor", "ZDiam", "ZRash", "ZTP", "ZAerodin", "Diam-01", "Diam-02",
    "RT-01", "RT-02", "TP-01", "TP-02", "RoVozd", "ZInjGeom", "ZEqvDiam", "ED-01", "ED-02",
    "MTrub-k", "POkr-k", "PPokr-k", "VIzol-k", "SkorVD", "SkorVF", "Diam-03", "Diam-04", "RV-01",
    "RV-02", "TP-03", "TP-04", "DF", "FD", "NVent", "dPvz", "dPsm", "ZSkorVz", "ZDVzd", "ZLVz",
    "ZVent", "ZdPvs", "UTHGZ", "QokUd", "ZHeat", "Diam-05", "RV-03", "TP-05", "TP-06", "ZDVP",
    "ZLVP", "ZTPLT", "ZTPFVT", "Diam-06", "Diam-07", "Diam-08", "ZEqvFs", "ZFsVP", "VkrPnevm",
    "ZSTr", "FSTr", "Rasst", "SinCos", "SV-pp", "Cilindr", "Konus", "Shar", "PdB-dBA", "DShb",
    "DShb-my", "ZShum", "ZMatem", "ZDShb", "RDavlES", "Intrpll", "SLnRT", "UVHZ", "QvUd", "ZElev",
    "El-ks", "El-he", "El-dg", "El-ds", "TV-pnv", "TV-pnot", "SdBdBA", "FBern-C", "RRV-a", "BezK-a",
    "VD-stp", "RRV-uq", "ZTeppost", "ZVik", "ZRRV-p", "MTrub-p", "POkr-p", "PPokr-p", "VIzol-p",
    "ZGeom-t", "El-kpd", "CondCF", "ZCond", "Qisp", "PressBar", "Entalp", "DavlPar", "Fi-vozd",
    "C-vlv", "DavlNasT", "DavlNasD", "Vlag-Fi", "Vlag-Pp", "Vlag-Jt", "VVit-T", "ZDNas", "ZVlag-d",
    "ChRT-Q", "ChRT-D", "LDimos", "HDimTr", "FDimTr", "ZTGU", "ZChRT", "KDarsi", "dPud-L", "dP-L",
    "ZdP-L",
};

}  // namespace

std::string_view PictureName(int index) {
    if (index < 1 || index > kPictureCount) return {};
    return kPictures[static_cast<std::size_t>(index - 1)];
}

int PictureIndex(std::string_view name) {
    for (int i = 0; i < kPictureCount; ++i)
        if (kPictures[static_cast<std::size_t>(i)] == name) return i + 1;
    return 0;
}

}  // namespace zul
