#pragma once
// Which variables a saved set of settings may write back to the device.
//
// Some variables are never written when settings are restored, whatever a
// file says: the link's own variables (DIESE, DEV), the register window of
// the service console, what the device measures or reports about itself
// (versions, detected signal, status copies of requests and indexes), and
// one-shot commands whose mere write starts an operation (STORE,
// FACTORYRESET, the resets, the executes, PMODE, whose value 6 puts the
// device in picture transfer mode). Writing one of them either does nothing
// useful or does something nobody asked for.
namespace WritableVariables {

// False for the variables above; true for every ordinary setting.
bool IsRestorable(int varNumber);

// True for the setting index variables that select the element of an array
// (IPCHAN, IFORMATINDEX, ZMINDEX, APCHAN, LANPADIP). Restoring writes them
// while it restores the arrays, so their own saved value goes last.
bool IsSettingIndex(int varNumber);

} // namespace WritableVariables
