// Starts a program of the web release in its page: the module (name.js
// and name.wasm, Qt for WebAssembly) drawn in the page's canvas.
//
// The page's address may ask for the projector's scale, as the desktop
// program's --scale does: ?scale=fit, the largest factor at which the
// window, its title bar included, fits the browser's window, which the
// program works out as on the desktop, and again when the browser's window
// changes size (full screen, F11); or ?scale=1,5, where the page scrolls
// what doesn't fit.
//
// kalumet's page may ask for the automatic mode's pace, as its --pace does:
// ?pace=1, ?pace=0,25; and for the language of the listing, as its
// --listing does: ?listing=python.
//
// The page speaks the browser's language where the programs have it
// (Russian, English), Russian otherwise, or the language its address asks
// for: ?lang=en, ?lang=ru. The program takes the page's language (the
// setting pageLanguage of its module, which it reads before the
// environment's LANG, the browser's first language); its numbers keep the
// browser's regional settings.
//
// Served from a site, the module is fetched as emscripten does. A page
// opened from disk (file://) may not fetch files; there the module's code
// comes as a script, name.wasm.js, that holds it in base64.
//
// Served from a site, the release's pages (those that link its manifest)
// register its service worker, serviceworker.js, which keeps them for use
// without the network; a program's page once its window is shown, so that
// what the worker fetches doesn't delay the program's start. A page opened
// from disk has no service worker. Each visit asks the site whether it has
// another version; the worker fetches it then, for the next visit.
//
// A release's page names its release (data-release, web/release.cmake),
// and so do this script, the program's script and its module: a page runs
// only what belongs to its own release. It asks for them under that name
// (kalumet.js?v=...), so that no cache answers with another release's. What
// comes from another release (the site was given a new version during the
// visit, or still puts it in place) is asked for again past the browser's
// cache and the page loaded once more; should that not help, the page says
// to reload it later.
//
// Qt 6.4 for WebAssembly has no bridge to the browser's accessibility: the
// program tells the page what a screen reader is to say (the event
// "programsaid", web/page.cpp), and the page adds it to its live region.
// The canvas is named after the window, and described by what the program
// says of its keys.
"use strict";

function keepForOffline() {
    if (location.protocol === "file:" || !("serviceWorker" in navigator)
        || !document.querySelector("link[rel=manifest]"))
        return;
    navigator.serviceWorker.register("serviceworker.js")
        .then(function (registration) {
            // Registered before: asked again now, so that a new version is
            // there for the next visit.
            if (registration.active)
                return registration.update();
        })
        .catch(function (error) {
            console.warn("serviceworker.js: " + error);
        });
}

// The release the page belongs to, or "" (a test suite's page).
function pageRelease() {
    return document.documentElement.dataset.release || "";
}

// A file of the page's release, as the page asks for it.
function ofRelease(file) {
    return pageRelease() && location.protocol !== "file:" ? file + "?v=" + pageRelease() : file;
}

// Whether `release` (a script's or the module's) is the page's own.
function ownRelease(release) {
    return !pageRelease() || release === pageRelease();
}

// What the page loaded of another release: the files asked for again past
// the browser's cache, and the page loaded once more, once; then the line
// `reload`, with which `fail` replaces the canvas.
function otherRelease(name, fail, reload) {
    console.warn("what " + name + ".html loaded is not all of release " + pageRelease());
    const key = "kalumet-reloaded " + location.pathname;
    let again = false;
    try {
        again = sessionStorage.getItem(key) !== pageRelease();
        sessionStorage.setItem(key, pageRelease());
    } catch (e) {
        // No session storage: the pupil reloads.
    }
    const files = [location.href, "page.js", "page.css", name + ".js", name + ".wasm"];
    Promise.all(files.map(function (file) {
        return fetch(file === location.href ? file : ofRelease(file), { cache: "reload" })
            .then(function (response) { return response.arrayBuffer(); })
            .catch(function () {});
    })).then(function () {
        if (again)
            location.reload();
        else
            fail(reload);
    });
}

// The page loaded what it asked for: a later mix of releases may be loaded
// once more.
function releaseLoaded() {
    try {
        sessionStorage.removeItem("kalumet-reloaded " + location.pathname);
    } catch (e) {
        // Nothing was kept.
    }
}

// The release a module carries, in its custom section "kalumet-release".
function moduleRelease(module) {
    const sections = WebAssembly.Module.customSections(module, "kalumet-release");
    return sections.length ? new TextDecoder().decode(sections[0]) : "";
}

// The module `url` compiled as it downloads (the site serves it as
// application/wasm), or else once it is downloaded.
function compiledModule(url) {
    return WebAssembly.compileStreaming(fetch(url)).catch(function (error) {
        console.warn("wasm streaming compile failed: " + error
                     + "; falling back to ArrayBuffer instantiation");
        return fetch(url)
            .then(function (response) { return response.arrayBuffer(); })
            .then(function (bytes) { return WebAssembly.compile(bytes); });
    });
}

// What a screen reader is told of the program, in the page's live region:
// each text as a line of its own, the last few kept.
const kSaidKept = 10;
function tellScreenReader(text) {
    const region = document.getElementById("said");
    if (!region)
        return;
    const line = document.createElement("div");
    line.textContent = text;
    region.appendChild(line);
    while (region.childElementCount > kSaidKept)
        region.firstElementChild.remove();
}

// The factor the window is drawn at: "fit", which the program works out,
// or a number from 1 to 4, as the desktop program's --scale takes it.
function requestedScale() {
    const asked = new URLSearchParams(location.search).get("scale");
    if (asked === null)
        return 1;
    if (asked === "fit")
        return asked;
    const factor = Number(asked.replace(",", "."));
    return factor >= 1 ? Math.min(factor, 4) : 1;
}

// The page's own texts in the languages the programs speak.
const kTexts = {
    ru: {
        loading: "Программа загружается…",
        ended: "Программа завершена.",
        again: "Запустить снова",
        contents: "Оглавление",
        noWebAssembly: "Этот браузер не может запустить программу: ему нужны WebAssembly и WebGL.",
        aborted: "Программа остановилась из-за ошибки. Обновите страницу, чтобы запустить ее снова.",
        notLoaded: function (why) { return "Не удалось загрузить программу (" + why + ")."; },
        reload: "Программа на сайте обновляется: обновите страницу через минуту.",
        wrongPace: function (pace) {
            return "Неверный темп «" + pace + "»: нужно число секунд на шаг — " +
                   "0,25; 0,5; 1; 2 или 4, например kalumet.html?pace=1.";
        },
        wrongListing: function (listing) {
            return "Неверный язык программы «" + listing + "»: нужно vb, pascal, python, " +
                   "cpp или alg, например kalumet.html?listing=python.";
        },
    },
    en: {
        loading: "The program is loading…",
        ended: "The program has ended.",
        again: "Start it again",
        contents: "Contents",
        noWebAssembly: "This browser can't run the program: it needs WebAssembly and WebGL.",
        aborted: "The program stopped because of an error. Reload the page to start it again.",
        notLoaded: function (why) { return "Could not load the program (" + why + ")."; },
        reload: "The program is being updated on the site: reload the page in a minute.",
        wrongPace: function (pace) {
            return "Invalid pace “" + pace + "”: give the seconds a step takes: " +
                   "0.25, 0.5, 1, 2 or 4, for example kalumet.html?pace=1.";
        },
        wrongListing: function (listing) {
            return "Invalid programming language “" + listing + "”: give vb, pascal, " +
                   "python, cpp or alg, for example kalumet.html?listing=python.";
        },
    },
};

// The page's language: the one its address asks for, or else the first of
// the browser's that the programs speak; Russian, the language they are
// written in, where there is none.
function pageLanguage() {
    const asked = new URLSearchParams(location.search).get("lang");
    const wanted = asked !== null ? [asked] : (navigator.languages || [navigator.language]);
    for (const tag of wanted) {
        const language = String(tag).toLowerCase().split(/[-_]/)[0];
        if (Object.prototype.hasOwnProperty.call(kTexts, language))
            return language;
    }
    return "ru";
}

// The program's own options from the page's address: kalumet's pace and
// the language of its listing. Returns the arguments, or a refusal for a
// value it doesn't take.
const kPaces = ["0.25", "0.5", "1", "2", "4"];
const kListings = ["vb", "pascal", "python", "cpp", "alg"];
function requestedOptions(name, texts) {
    const asked = new URLSearchParams(location.search);
    const pace = asked.get("pace"), listing = asked.get("listing");
    const args = [];
    if (name !== "kalumet")
        return { args: args };
    if (pace !== null) {
        if (!kPaces.includes(pace.replace(",", ".")))
            return { refused: texts.wrongPace(pace) };
        args.push("--pace", pace);
    }
    if (listing !== null) {
        if (!kListings.includes(listing))
            return { refused: texts.wrongListing(listing) };
        args.push("--listing", listing);
    }
    return { args: args };
}

// The page's texts in its language: its title (the window's), the notes
// around the canvas.
function showLanguage(language, texts) {
    const html = document.documentElement;
    html.lang = language;
    if (language === "en" && html.dataset.titleEn)
        document.title = html.dataset.titleEn;
    const shown = { "loading": texts.loading, "ended-text": texts.ended, "again": texts.again,
                    "contents": texts.contents };
    for (const id in shown) {
        const element = document.getElementById(id);
        if (element)
            element.textContent = shown[id];
    }
}

function addScript(src) {
    return new Promise(function (resolve, reject) {
        const script = document.createElement("script");
        script.src = src;
        script.onload = resolve;
        script.onerror = function () { reject(new Error(src)); };
        document.head.appendChild(script);
    });
}

function webGLWorks() {
    try {
        return !!document.createElement("canvas").getContext("webgl");
    } catch (e) {
        return false;
    }
}

// Starts the program `name`, whose window's client area is width x height
// at scale 1, with the command line `args` (none for the programs).
function startProgram(name, width, height, args) {
    const canvas = document.getElementById("screen");
    const status = document.getElementById("status");
    const ended = document.getElementById("ended");
    const fail = function (text) {
        status.textContent = text;
        status.hidden = false;
        canvas.hidden = true;
    };
    const language = pageLanguage();
    const texts = kTexts[language];
    showLanguage(language, texts);
    if (!ownRelease(typeof pageScriptRelease === "string" ? pageScriptRelease : "")) {
        otherRelease(name, fail, texts.reload);
        return;
    }
    if (typeof WebAssembly !== "object" || !webGLWorks()) {
        fail(texts.noWebAssembly);
        return;
    }
    const options = requestedOptions(name, texts);
    if (options.refused) {
        fail(options.refused);
        return;
    }
    const scale = requestedScale();
    // Scaled beyond the browser's window, the page scrolls.
    if (scale !== "fit") {
        canvas.style.minWidth = Math.ceil(width * scale) + "px";
        canvas.style.minHeight = Math.ceil(height * scale) + "px";
    }

    // The program tells the page when its window is shown, with its title
    // and keys, and when it has ended ("Выход"); then the page offers to
    // start it again. Meanwhile it tells what a screen reader is to say.
    window.addEventListener("programshown", function (event) {
        document.documentElement.dataset.state = "running";
        performance.mark("programshown"); // for bench/web/run.sh
        if (event.detail) {
            canvas.setAttribute("aria-label", event.detail.title);
            const keys = document.getElementById("keys");
            if (keys)
                keys.textContent = event.detail.keys;
        }
        releaseLoaded();
        keepForOffline();
    });
    window.addEventListener("programsaid", function (event) {
        tellScreenReader(event.detail);
    });
    window.addEventListener("programended", function () {
        document.documentElement.dataset.state = "ended";
        canvas.hidden = true;
        ended.hidden = false;
        document.getElementById("again").focus();
    });
    document.getElementById("again").addEventListener("click", function () {
        location.reload();
    });

    const settings = {
        qtContainerElements: [canvas],
        qtFontDpi: 96,
        // The scale goes on the command line, as on the desktop.
        arguments: (args || []).concat(scale !== 1 ? ["--scale", String(scale)] : [],
                                       options.args),
        // The program's language is the page's (launch/translations.cpp).
        pageLanguage: language,
        print: function (text) { console.log(text); },
        printErr: function (text) { console.warn(text); },
        onAbort: function () {
            fail(texts.aborted);
        },
        // The module, once it is known to be of the page's release.
        instantiateWasm: function (imports, receive) {
            (fromDisk ? WebAssembly.compile(Uint8Array.from(atob(programWasm), function (c) {
                return c.charCodeAt(0);
            })) : compiledModule(ofRelease(name + ".wasm")))
                .then(function (module) {
                    if (!ownRelease(moduleRelease(module))) {
                        otherRelease(name, fail, texts.reload);
                        return;
                    }
                    return WebAssembly.instantiate(module, imports).then(function (instance) {
                        receive(instance, module);
                    });
                })
                .catch(function (error) {
                    console.error(error);
                    fail(texts.notLoaded(error.message));
                });
            return {}; // its exports come with receive()
        },
    };
    const fromDisk = location.protocol === "file:";
    (fromDisk ? addScript(name + ".wasm.js") : Promise.resolve())
        .then(function () {
            return addScript(ofRelease(name + ".js"));
        })
        .then(function () {
            if (!ownRelease(typeof programRelease === "string" ? programRelease : "")) {
                otherRelease(name, fail, texts.reload);
                return;
            }
            status.hidden = true;
            return createQtAppInstance(settings);
        })
        .catch(function (error) {
            console.error(error);
            fail(texts.notLoaded(error.message));
        });
}
