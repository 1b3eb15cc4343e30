#include "framework/ui/application.h"

#include "version.h"

#include <QCoreApplication>
#include <cstdio>

namespace fw {

namespace {
Application *registered = nullptr;
}

Application::Application() = default;

Application::~Application() {
    if (registered == this)
        registered = nullptr;
}

int Application::MajorVersion() const {
    return quillory_version::major;
}
int Application::MinorVersion() const {
    return quillory_version::minor;
}
int Application::BugVersion() const {
    return quillory_version::bug;
}
QString Application::ShortVersion() const {
    return QString::fromLatin1(quillory_version::shortText);
}
QString Application::LongVersion() const {
    return QString::fromLatin1(quillory_version::longText);
}

void Application::Quit(int code) {
    QCoreApplication::exit(code);
}

Application *applicationObject() {
    return registered;
}
void registerApplicationObject(Application *app) {
    registered = app;
}

void UnhandledException(const std::exception &e) {
    std::fprintf(stderr, "Quillory: unhandled exception: %s\n", e.what());
    QCoreApplication::exit(1);
}

} // namespace fw
