#include "document/SystemErrorWords.h"

#include "document/Translation.h"

#include <cerrno>

std::string systemErrorWords(int errorNumber)
{
    switch (errorNumber) {
    case EACCES:
    case EPERM:
        return tr("izin yok");
    case ENOENT:
        return tr("boyle bir dosya ya da klasor yok");
    case ENOSPC:
    case EDQUOT:
        return tr("diskte yer kalmadi");
    case EFBIG:
        return tr("dosya cok buyuk");
    case EISDIR:
        return tr("bu bir klasor, dosya degil");
    case ENOTDIR:
        return tr("yoldaki bir ad klasor degil");
    case EROFS:
        return tr("disk yalnizca okunabilir");
    case ENAMETOOLONG:
        return tr("dosya adi cok uzun");
    case ELOOP:
        return tr("sembolik baglar bir dongu olusturuyor");
    case EIO:
        return tr("disk okunurken ya da yazilirken hata oldu");
    case EMFILE:
    case ENFILE:
        return tr("ayni anda cok fazla dosya acik");
    case ENOMEM:
        return tr("bellek yetmedi");
    case EBUSY:
    case ETXTBSY:
        return tr("dosya baska bir islem tarafindan kullaniliyor");
    case EEXIST:
        return tr("dosya zaten var");
    default:
        return fill(tr("sistem hatasi (%1)"), {std::to_string(errorNumber)});
    }
}
