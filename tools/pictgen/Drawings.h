// Small technical drawings of the pictures: pipes, ducts, sections, solids, plant. Each is
// drawn into a rectangle; labels (symbols such as "d" or "v") are written where the
// drawing names a dimension, and left out when empty.
#pragma once

#include <QPainter>
#include <QRectF>
#include <QStringList>

namespace zul::pictgen {

enum class Drawing {
    None,
    Pipe,          // labels: diameter, velocity, flow, heat flow
    PipeLength,    // labels: length, diameter, velocity, loss
    Orifice,       // labels: orifice diameter, flow
    Duct,          // labels: diameter, velocity, flow, heat flow
    DuctRect,      // labels: side A, side B, flow
    PipeRing,      // labels: outer diameter, wall, insulation
    DuctRing,      // labels: width, height, wall, insulation
    Thermometer,   // labels: temperature
    Fan,           // labels: pressure, flow
    Elbow,         // labels: velocity, local loss coefficient
    Particle,      // labels: particle diameter, velocity
    Building,      // labels: height, outdoor temperature, indoor temperature
    WaterBath,     // labels: area, heat flow
    HotPipe,       // labels: area, heat flow
    Elevator,      // labels: network supply, network return, system supply
    TempGraph,     // labels: larger difference, smaller difference
    Octaves,       // labels: none
    Tap,           // labels: flow
    Mountain,      // labels: height, pressure
    MoistAir,      // labels: temperature, moisture content
    Boiler,        // labels: fuel, load
    Chimney,       // labels: height, velocity
    SmokeFan,      // labels: flow
    Graph,         // labels: for linear interpolation
    Points,        // labels: none
    Triangle,      // labels: a, b, c, angle
    Box3D,         // labels: a, b, h
    Cylinder,      // labels: radius, height
    Cone,          // labels: radius, slant height, height
    Sphere,        // labels: radius
    Balls,         // labels: n, k
    Radiator,      // topic pictures only
    Solids,        // topic pictures only
    SoundWaves,    // topic pictures only
    Drop,          // topic pictures only
};

void DrawDrawing(QPainter& p, const QRectF& area, Drawing drawing, const QStringList& labels);

}  // namespace zul::pictgen
