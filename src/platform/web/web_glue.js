// The page side of the browser back end, run before the game starts: the folder of the best
// score lives in the browser's persistent storage (IndexedDB) and is read back from it first.
// A browser without that storage, or one that refuses it, keeps the best score for this
// session only: Module.storeKept says which, and the page tells the player once.
Module["preRun"] = Module["preRun"] || [];
Module["preRun"].push(function() {
  var folder = "/kestravan-store";
  FS.mkdir(folder);
  Module.storeKept = false;
  var available = false;
  try {
    available = typeof indexedDB !== "undefined" && indexedDB !== null;
  } catch (e) {
  }
  if (!available) {
    if (Module["onSessionStore"]) {
      Module["onSessionStore"]();
    }
    return;
  }
  FS.mount(IDBFS, {}, folder);
  addRunDependency("store");
  FS.syncfs(true, function(error) {
    if (error) {
      console.warn("Kestravan: the best score cannot be read back: " + error);
      FS.unmount(folder);
      if (Module["onSessionStore"]) {
        Module["onSessionStore"]();
      }
    } else {
      Module.storeKept = true;
    }
    removeRunDependency("store");
  });
});
