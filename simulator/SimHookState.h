#pragma once

// The server-level test hooks, read by the built-in server and set through
// SimTestHooks.
struct SimHookState {
    bool refuseCreation = false;
    bool refuseGroup = false;
    bool refuseSyncIO = false;
    bool failAddItemsCall = false;
    bool rejectItems = false;

    static SimHookState& instance()
    {
        static SimHookState state;
        return state;
    }
};
