#include "document/SystemErrorWords.h"

#include <cerrno>

std::string systemErrorWords(int errorNumber)
{
    switch (errorNumber) {
    case EACCES:
    case EPERM:
        return "izin yok";
    case ENOENT:
        return "boyle bir dosya ya da klasor yok";
    case ENOSPC:
    case EDQUOT:
        return "diskte yer kalmadi";
    case EFBIG:
        return "dosya cok buyuk";
    case EISDIR:
        return "bu bir klasor, dosya degil";
    case ENOTDIR:
        return "yoldaki bir ad klasor degil";
    case EROFS:
        return "disk yalnizca okunabilir";
    case ENAMETOOLONG:
        return "dosya adi cok uzun";
    case ELOOP:
        return "sembolik baglar bir dongu olusturuyor";
    case EIO:
        return "disk okunurken ya da yazilirken hata oldu";
    case EMFILE:
    case ENFILE:
        return "ayni anda cok fazla dosya acik";
    case ENOMEM:
        return "bellek yetmedi";
    case EBUSY:
    case ETXTBSY:
        return "dosya baska bir islem tarafindan kullaniliyor";
    case EEXIST:
        return "dosya zaten var";
    default:
        return "sistem hatasi (" + std::to_string(errorNumber) + ")";
    }
}
