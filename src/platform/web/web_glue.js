// The page side of the browser back end, run before the game starts: the folder of the best
// score lives in the browser's persistent storage and is read back from it first.
Module["preRun"] = Module["preRun"] || [];
Module["preRun"].push(function() {
  var folder = "/kestravan-store";
  FS.mkdir(folder);
  FS.mount(IDBFS, {}, folder);
  addRunDependency("store");
  FS.syncfs(true, function(error) {
    if (error) {
      console.warn("Kestravan: the best score cannot be read back: " + error);
    }
    removeRunDependency("store");
  });
});
