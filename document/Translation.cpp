#include "document/Translation.h"

const char* tr(const char* msgid) { return msgid; }

std::string tr(const std::string& msgid) { return msgid; }
