// Loading a gauge module's shared library and finding its exported records by name.
#pragma once

#include <string>

class ModuleLibrary {
  public:
    ModuleLibrary() = default;
    ~ModuleLibrary() { close(); }
    ModuleLibrary(const ModuleLibrary&) = delete;
    ModuleLibrary& operator=(const ModuleLibrary&) = delete;

    bool open(const std::string& path);
    void close();
    // The address of the exported symbol `name`, or null.
    void* symbol(const char* name) const;

  private:
    void* handle_ = nullptr;
};
