// Frames through WebGL. The frame's bytes go up four to a texel of an RGBA texture a quarter as
// wide (a one-byte format costs a conversion on the way that takes longer than the frame); the
// shader picks each pixel's byte from its texel by the pixel's column. The byte, read back as
// index / 255, becomes the centre of the palette texture's texel for that index, so that
// nearest sampling gives exactly the palette's colour: the picture is the same, pixel for
// pixel, as the 2D canvas's.
#include "platform/web/web_gl_frame.h"

#include <emscripten.h>

namespace {

EM_JS(int, openGlCanvas, (int width, int height), {
    if (Module["forceCanvas2d"]) {
        return 0;
    }
    var canvas = document.getElementById("canvas");
    var gl = null;
    try {
        gl = canvas.getContext("webgl", {
            alpha : false,
            antialias : false,
            depth : false,
            stencil : false,
            premultipliedAlpha : false,
            preserveDrawingBuffer : false,
            failIfMajorPerformanceCaveat : !Module["forceWebGl"]
        });
    } catch (e) {
    }
    if (!gl) {
        return 0;
    }
    var shader = function(type, text) {
        var made = gl.createShader(type);
        gl.shaderSource(made, text);
        gl.compileShader(made);
        return made;
    };
    var program = gl.createProgram();
    gl.attachShader(program, shader(gl.VERTEX_SHADER, "attribute vec2 corner;" +
                                                          "void main() { gl_Position = " +
                                                          "vec4(corner, 0.0, 1.0); }"));
    gl.attachShader(
        program,
        shader(gl.FRAGMENT_SHADER,
               "#ifdef GL_FRAGMENT_PRECISION_HIGH\n precision highp float;\n" +
                   "#else\n precision mediump float;\n#endif\n" +
                   "uniform sampler2D frame; uniform sampler2D colours; uniform vec2 size;" +
                   "void main() { float x = floor(gl_FragCoord.x);" +
                   "float y = size.y - 1.0 - floor(gl_FragCoord.y);" +
                   "float texel = floor(x / 4.0); float lane = x - texel * 4.0;" +
                   "vec4 four = texture2D(frame, vec2((texel + 0.5) * 4.0 / size.x, " +
                   "(y + 0.5) / size.y));" + "float index = dot(four, vec4(equal(vec4(lane), " +
                   "vec4(0.0, 1.0, 2.0, 3.0)))) * 255.0;" +
                   "gl_FragColor = vec4(texture2D(colours, " +
                   "vec2((index + 0.5) / 256.0, 0.5)).rgb, 1.0); }"));
    gl.linkProgram(program);
    if (!gl.getProgramParameter(program, gl.LINK_STATUS)) {
        console.warn("Kestravan: WebGL frames fail: " + gl.getProgramInfoLog(program));
        return 0;
    }
    gl.useProgram(program);
    gl.bindBuffer(gl.ARRAY_BUFFER, gl.createBuffer());
    gl.bufferData(gl.ARRAY_BUFFER, new Float32Array([ -1, -1, 1, -1, -1, 1, 1, 1 ]),
                  gl.STATIC_DRAW);
    var corner = gl.getAttribLocation(program, "corner");
    gl.enableVertexAttribArray(corner);
    gl.vertexAttribPointer(corner, 2, gl.FLOAT, false, 0, 0);
    var texture = function(unit, name, format, w, h) {
        gl.activeTexture(gl.TEXTURE0 + unit);
        gl.bindTexture(gl.TEXTURE_2D, gl.createTexture());
        gl.texParameteri(gl.TEXTURE_2D, gl.TEXTURE_MIN_FILTER, gl.NEAREST);
        gl.texParameteri(gl.TEXTURE_2D, gl.TEXTURE_MAG_FILTER, gl.NEAREST);
        gl.texParameteri(gl.TEXTURE_2D, gl.TEXTURE_WRAP_S, gl.CLAMP_TO_EDGE);
        gl.texParameteri(gl.TEXTURE_2D, gl.TEXTURE_WRAP_T, gl.CLAMP_TO_EDGE);
        gl.texImage2D(gl.TEXTURE_2D, 0, format, w, h, 0, format, gl.UNSIGNED_BYTE, null);
        gl.uniform1i(gl.getUniformLocation(program, name), unit);
    };
    gl.pixelStorei(gl.UNPACK_ALIGNMENT, 1);
    texture(1, "colours", gl.RGBA, 256, 1);
    texture(0, "frame", gl.RGBA, width / 4, height);
    gl.uniform2f(gl.getUniformLocation(program, "size"), width, height);
    gl.viewport(0, 0, width, height);
    Module.glFrame = {gl : gl, width : width, height : height};
    return 1;
});

EM_JS(void, drawGlFrame, (const unsigned char* pixels, const unsigned char* colours), {
    var frame = Module.glFrame;
    var gl = frame.gl;
    if (colours) {
        gl.activeTexture(gl.TEXTURE1);
        gl.texSubImage2D(gl.TEXTURE_2D, 0, 0, 0, 256, 1, gl.RGBA, gl.UNSIGNED_BYTE,
                         HEAPU8.subarray(colours, colours + 1024));
        gl.activeTexture(gl.TEXTURE0);
    }
    gl.texSubImage2D(gl.TEXTURE_2D, 0, 0, 0, frame.width / 4, frame.height, gl.RGBA,
                     gl.UNSIGNED_BYTE,
                     HEAPU8.subarray(pixels, pixels + frame.width * frame.height));
    gl.drawArrays(gl.TRIANGLE_STRIP, 0, 4);
    // The picture can be read only until the browser shows it: the page's tests read it here.
    if (Module.frameDrawn) {
        Module.frameDrawn();
    }
});

} // namespace

namespace platform::web {

bool startGlFrames(int width, int height) {
    return openGlCanvas(width, height) != 0;
}

void showGlFrame(const std::uint8_t* pixels, const PaletteEntry* colours) {
    static_assert(sizeof(PaletteEntry) == 4, "the palette texture takes 4 bytes an entry");
    drawGlFrame(pixels, reinterpret_cast<const unsigned char*>(colours));
}

} // namespace platform::web
