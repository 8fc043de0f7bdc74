// The page side of the browser back end, run before the game starts: the persistent folder of
// the best score, read back from the browser's storage first and saved after every change.
var StoreFolder = "/kestravan-store";

Module["preRun"] = Module["preRun"] || [];
Module["preRun"].push(function() {
  FS.mkdir(StoreFolder);
  FS.mount(IDBFS, {}, StoreFolder);
  addRunDependency("store");
  FS.syncfs(true, function(error) {
    if (error) {
      console.warn("Kestravan: the best score cannot be read back: " + error);
    }
    removeRunDependency("store");
  });

  // A value is replaced by renaming a finished file over it; each such rename is saved, one
  // save at a time, a later change waiting for the one under way.
  var saving = false;
  var again = false;
  function save() {
    if (saving) {
      again = true;
      return;
    }
    saving = true;
    FS.syncfs(false, function(error) {
      saving = false;
      if (error) {
        console.warn("Kestravan: the best score cannot be saved: " + error);
      }
      if (again) {
        again = false;
        save();
      }
    });
  }
  var rename = FS.rename;
  FS.rename = function(from, to) {
    rename(from, to);
    if (String(to).indexOf(StoreFolder + "/") === 0) {
      save();
    }
  };
  Module["saveStore"] = save;
});
