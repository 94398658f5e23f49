// SPDX-License-Identifier: MIT
// The page around the program: checks what the browser must have, shows the
// download's progress, starts the program, keeps it for offline use.
'use strict';

const wasmSize = Number(document.getElementById('progress').max);

function showProblem(html) {
    document.getElementById('state').hidden = true;
    document.getElementById('progress').hidden = true;
    const problem = document.getElementById('problem');
    problem.innerHTML = html;
    problem.style.display = 'block';
}

function missingFeature() {
    if (typeof WebAssembly !== 'object' || typeof WebAssembly.instantiate !== 'function')
        return '<p><strong>This browser cannot run the program:</strong> it has no WebAssembly. ' +
               'Use a current Chrome, Edge, Firefox or Safari, or install the desktop program.</p>';
    const canvas = document.createElement('canvas');
    if (!canvas.getContext('webgl'))
        return '<p><strong>This browser cannot draw the program\'s window:</strong> WebGL is ' +
               'turned off or not available. Turn on hardware acceleration (graphics acceleration) ' +
               'in the browser\'s settings and reload, try another browser, or install the ' +
               'desktop program.</p>';
    return '';
}

// Counts the program's bytes as they arrive, for the progress bar; the
// server may compress them, so the count is of what the browser unpacked.
function watchDownload() {
    const fetchFromNetwork = window.fetch.bind(window);
    const bar = document.getElementById('progress');
    window.fetch = async (input, init) => {
        const response = await fetchFromNetwork(input, init);
        if (!String(input).endsWith('.wasm') || !response.ok || !response.body)
            return response;
        const reader = response.body.getReader();
        let loaded = 0;
        const counted = new ReadableStream({
            async pull(controller) {
                const { done, value } = await reader.read();
                if (done) {
                    bar.value = wasmSize;
                    document.getElementById('state').textContent = 'Starting the program\u2026';
                    controller.close();
                    return;
                }
                loaded += value.length;
                bar.value = Math.min(loaded, wasmSize);
                controller.enqueue(value);
            }
        });
        return new Response(counted, { status: response.status, headers: response.headers });
    };
}

function keepForOffline() {
    if (!('serviceWorker' in navigator))
        return;
    navigator.serviceWorker.register('sw.js').then(() => navigator.serviceWorker.ready)
        .then(() => { document.getElementById('offline').hidden = false; })
        .catch(() => { /* works online only; nothing the user must act on */ });
}

function strobixStart() {
    const problem = missingFeature();
    if (problem) {
        showProblem(problem);
        return;
    }
    keepForOffline();
    watchDownload();
    const status = document.getElementById('status');
    const canvas = document.getElementById('qtcanvas');
    window.qtLoader = QtLoader({
        canvasElements: [canvas],
        showLoader: () => {},
        showError: (text) => {
            canvas.style.display = 'none';
            status.style.display = 'block';
            showProblem('<p><strong>The program could not start:</strong> ' +
                        String(text).replace(/[<&]/g, (c) => (c === '<' ? '&lt;' : '&amp;')) +
                        '</p><p>Reload the page; if that does not help, use the desktop program.</p>');
        },
        showExit: () => {
            canvas.style.display = 'none';
            status.style.display = 'block';
            showProblem('<p>The program has ended. Reload the page to start it again; your ' +
                        'unsaved work is offered back.</p>');
        },
        showCanvas: () => {
            status.style.display = 'none';
            canvas.style.display = 'block';
            canvas.focus();
            window.strobixShown = performance.now();
        },
    });
    window.qtLoader.loadEmscriptenModule('strobix');
}
