#include "loaded_module.h"

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>

namespace pickwell::far2l_host {
namespace {

void* handle() {
    static void* const loaded = [] {
        void* h = ::dlopen(PICKWELL_FAR2L_MODULE, RTLD_LOCAL | RTLD_LAZY);
        if (h == nullptr) {
            std::fprintf(stderr, "cannot load the module: %s\n", ::dlerror());
            std::abort();
        }
        return h;
    }();
    return loaded;
}

template <typename Function>
Function entry(const char* name) {
    return reinterpret_cast<Function>(::dlsym(handle(), name));
}

}  // namespace

const ModuleEntryPoints& module() {
    static const ModuleEntryPoints entries{
        entry<decltype(ModuleEntryPoints::set_startup_info)>("SetStartupInfoW"),
        entry<decltype(ModuleEntryPoints::get_plugin_info)>("GetPluginInfoW"),
        entry<decltype(ModuleEntryPoints::open_plugin)>("OpenPluginW"),
        entry<decltype(ModuleEntryPoints::configure)>("ConfigureW"),
    };
    return entries;
}

bool module_exports(const char* name) {
    return ::dlsym(handle(), name) != nullptr;
}

}  // namespace pickwell::far2l_host
