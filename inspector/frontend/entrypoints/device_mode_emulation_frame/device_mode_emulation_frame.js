import"../../core/dom_extension/dom_extension.js";import"../../Images/Images.js";if(window.opener){window.opener.Emulation.AdvancedApp.instance().deviceModeEmulationFrameLoaded(document)}
