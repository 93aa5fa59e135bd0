#include "document/Autosave.h"

#include "document/Document.h"
#include "document/RecoveryFolder.h"
#include "document/SettingsFile.h"
#include "document/Translation.h"

#include <ostream>

Autosave::Autosave(Document& document, RecoveryFolder& folder, double intervalSeconds, Clock clock, Report report)
    : document(document), folder(folder), interval(intervalSeconds), clock(std::move(clock)),
      report(std::move(report)), lastLook(this->clock())
{
    document.addObserver(this);
}

Autosave::~Autosave() { document.removeObserver(this); }

void Autosave::poll()
{
    if (interval <= 0 || clock() - lastLook < interval)
        return;
    writeNow();
}

bool Autosave::writeNow()
{
    lastLook = clock();
    if (!document.modified())
        return true;
    if (interval <= 0)
        return false;
    if (!changed)
        return true;
    const std::string error = folder.write(document.items(), document.path());
    if (error.empty()) {
        changed = false;
        return true;
    }
    if (!reported && report)
        report(fill(tr("Otomatik kayit yapilamadi: %1"), {error}));
    reported = true;
    return false;
}

void Autosave::stateChanged()
{
    if (document.modified())
        return;
    folder.removeOwn();
    changed = false;
}

double autosaveSeconds(const SettingsFile& settings, std::ostream& warnings)
{
    const std::optional<std::string> value = settings.get("autosave_seconds");
    if (!value)
        return Autosave::defaultSeconds;
    const bool number = !value->empty() && value->size() <= 9
                     && value->find_first_not_of("0123456789") == std::string::npos;
    if (!number) {
        warnings << "sahne: autosave_seconds=" << *value << " gecersiz (bir tam sayi olmali, 0 kapatir); "
                 << Autosave::defaultSeconds << " saniye kullaniliyor.\n";
        return Autosave::defaultSeconds;
    }
    return std::stod(*value);
}
