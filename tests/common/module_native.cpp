#include "tests/common/module_exports.h"

const ModuleExports& Module() {
    static const ModuleExports exports = {
        &GetNumberOfSets, &GetSetName, &SetupSet0,   &GetExchgCount0, &IsValidExchg0,
        &CheckCall0,      &AddData0,   &RemoveData0, &ResetStats0,    &GetResult0,
    };
    return exports;
}
