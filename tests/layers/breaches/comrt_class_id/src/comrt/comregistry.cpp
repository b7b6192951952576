// Registered before any library is asked for it.
static const char* const kPreferred = "{A55A6798-60B0-4249-83AE-73EB8B65236F}";
