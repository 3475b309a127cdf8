#pragma once

#include "platform/Registry.h"

namespace cw::win32 {

class Win32Registry : public Registry {
  public:
    long QueryValue(RootKey root, const std::string& subkey, const std::string& name,
                    RegValue& value) override;
    long SetValue(RootKey root, const std::string& subkey, const std::string& name,
                  const RegValue& value) override;
    long DeleteValue(RootKey root, const std::string& subkey, const std::string& name) override;
    long DeleteKey(RootKey root, const std::string& subkey) override;
    long CreateKey(RootKey root, const std::string& subkey) override;
    bool KeyExists(RootKey root, const std::string& subkey) override;
    long EnumValueNames(RootKey root, const std::string& subkey,
                        std::vector<std::string>& names) override;
    long EnumSubkeys(RootKey root, const std::string& subkey,
                     std::vector<std::string>& names) override;
};

}  // namespace cw::win32
