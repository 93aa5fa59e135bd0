#pragma once

#include <string>

class Document;

// One edit of the document that can be applied and reverted. Both return an
// empty string, or why nothing was changed (the document is then as before).
class Command {
public:
    virtual ~Command() = default;
    virtual std::string apply(Document& document) = 0;
    virtual std::string revert(Document& document) = 0;
};
