#!/usr/bin/perl
use strict;
use warnings;
use Test::More;
use FindBin qw($Bin);
use File::Temp qw(tempdir);
use POSIX qw(mkfifo);
use lib "$Bin/lib";
use ScriptTest qw(run_script slurp spew);

my $SCRIPT    = "$Bin/../../installation/lib/scripts/zyngen.pl";
my $TEMPLATES = "$Bin/../../installation/targets/xml";
my $DATA      = "$Bin/data";

# Runs the generator; answers its exit status and its standard error.
sub generate {
    my $result = run_script( $SCRIPT, @_ );
    return ( $result->{status}, $result->{err} );
}

sub files_in {
    my ($dir) = @_;
    opendir my $dh, $dir or return [];
    return [ sort grep { !/^\.\.?$/ } readdir $dh ];
}

sub xml_attr {
    my ($text) = @_;
    $text =~ s/&/&amp;/g;
    $text =~ s/"/&quot;/g;
    $text =~ s/</&lt;/g;
    return $text;
}

# Entities a, b, c... each ten times the one before: &LAST; expands to 10**LEVELS characters.
sub laughs {
    my ($levels) = @_;
    my @names = map { chr( ord('a') + $_ ) } 0 .. $levels - 1;
    my $decls = qq{<!ENTITY a "aaaaaaaaaa">}
      . join( '', map { qq{<!ENTITY $names[$_] "} . "&$names[$_ - 1];" x 10 . '">' } 1 .. $#names );
    return qq{<!DOCTYPE ZYN [$decls]>\n<ZYN Name="&$names[-1];"/>};
}

my $C_DOC   = slurp("$DATA/target_c.xdp");
my $ADA_DOC = slurp("$DATA/target_ada.xdp");

subtest 'C document: output tree and contents' => sub {
    my $gen = tempdir( CLEANUP => 1 );
    my ( $status, $err ) = generate( "$DATA/target_c.xdp", $gen );
    is $status, 0, 'exit status 0';
    is $err, '', 'nothing on standard error';
    is_deeply files_in($gen), ['target_c'], 'one target directory named after the document';
    my $dir = "$gen/target_c";
    is_deeply files_in($dir),
      [qw(logo.bin run.sh target_c.ini zynbuild.pm zynlibconf.h)], 'generated files';

    is slurp("$dir/target_c.ini"),
      qq{NAME="C++ Gcc Linux"\n[IS_C]\nASMEXT=.s\nSRCEXT=.c\nDEFAULT_CFLAGS=-O2 -g\n}
      . qq{MY_TOOL=/opt/tool\n[IS_CPP]\nSRCEXT=.cpp\n},
      'ini: label line, then settings per section with user keys by name';
    is slurp("$dir/run.sh"), qq{#!/bin/sh\nexec "\$@" < /dev/null && echo "a & b"\n},
      'carried text file byte-exact';
    is slurp("$dir/logo.bin"), "\x00\x01\x02\xfe\xffZYN\r\n\x80",
      'carried binary file decoded byte-exact';

    my $build = slurp("$dir/zynbuild.pm");
    like $build, qr/^package zynbuild;$/m, 'build steps form a package';
    like $build,
      qr/^sub compile \{\n    my \(\$src\) = \@_;\n.*\n\}\n/m,
      'build step is prototype, body and tail';
    like $build, qr/^sub link_it \{\n    return 1;\n\}\n/m, 'second build step follows';
    like qx{"$^X" -c "$dir/zynbuild.pm" 2>&1}, qr/syntax OK/, 'generated module compiles';

    my $h = slurp("$dir/zynlibconf.h");
    like $h, qr/^#ifndef ZYNLIBCONF_H$/m, 'header guard';
    like $h, qr/^#include <stdio.h>$/m, 'free text verbatim';
    like $h, qr/^#define ZYN_INT64 long long$/m, 'text macro';
    like $h, qr/^#define ZYN_HAS_FLOAT 1$/m, 'binary macro set';
    like $h, qr/^#define ZYN_MAXLEN 256$/m, 'defined optional macro';
    unlike $h, qr/#define ZYN_TRACE/, 'undefined optional macro is no define';
    like $h, qr/ZYN_TRACE is not defined/, '... but named in a comment';
    like $h, qr/^#define ZYN_MULTI a \+ \\\nb$/m, 'multi-line value continued';
    like $h, qr/^void zyn_exit\(void\) \{\n    my_exit\(0\);\n\}$/m,
      'sensitive choice emits its code tab';
    like $h, qr/^#define ZYN_EXIT_CODE 3\n#define ZYN_EXIT_FLUSH 0$/m,
      'sensitive choice emits its item tab';
    like $h, qr/^void zyn_init\(void\) \{\n    setup\(\);\n\}$/m, 'library function';
    like $h, qr/^#define ZYN_DYNTRACK 1$/m, 'item inside a sub-group';
    like $h, qr/Atexit: "No"/, 'insensitive choice named in a comment';
    unlike $h, qr/HIDDEN_(?:ATEXIT|CLOCK)_BODY/, '... without its tabs';
    unlike $h, qr/IGNORED_ADA_VARIANT/, 'only the first language variant';
    like $h, qr/#endif \/\* ZYNLIBCONF_H \*\/\n\z/, 'guard closed at the end';
};

subtest 'Ada document: package declaration and body' => sub {
    my $gen = tempdir( CLEANUP => 1 );
    my ( $status, $err ) = generate( "$DATA/target_ada.xdp", $gen );
    is $status, 0, 'exit status 0';
    is $err, '', 'nothing on standard error';
    my $dir = "$gen/target_ada";
    is_deeply files_in($dir),
      [qw(gnat.adc target_ada.ini zynbuild.pm zynlibconf.adb zynlibconf.ads)], 'generated files';
    is slurp("$dir/target_ada.ini"),
      qq{NAME="Ada Gnat"\n[IS_A]\nSRCEXT=.adb\nGNAT_PROJECT=zyn.gpr\n}, 'ini';
    is slurp("$dir/gnat.adc"), "pragma Ada_95;\n", 'carried text file';
    my $ads = slurp("$dir/zynlibconf.ads");
    like $ads, qr/^-- zynlibconf.ads: /, 'Ada comments';
    like $ads, qr/^with Text_IO;\n\npackage Zynlibconf is\n   pragma Elaborate_Body;$/m,
      'context clause before the package, which has a body';
    like $ads, qr/^   procedure Priv_Open;$/m, 'subprogram declared in the declaration';
    like $ads,
      qr/^   subtype Zyn_Int is Long_Integer;\n   Zyn_Max : constant := 1024;\n   Zyn_Dir : constant String := "\/tmp";\n   -- Zyn_Tasking is not declared$/m,
      'Ada macro kinds as declarations';
    like $ads, qr/\nend Zynlibconf;\n\z/, 'declaration closed';
    my $adb = slurp("$dir/zynlibconf.adb");
    like $adb, qr/^package body Zynlibconf is$/m, 'body';
    like $adb, qr/^procedure Priv_Open is\nbegin\n   null;\nend Priv_Open;$/m,
      'Ada function body preferred over the plain one';
    unlike $adb . $ads, qr/ignored|#define/, 'no plain function body, no C';
    like $adb, qr/^-- body text\n\nend Zynlibconf;\n\z/m, 'body text inside the body';
};

subtest 'Ada declarations and refusals' => sub {
    my @rows = (
        [ 'renaming declared',    '<RENAMEADA Name="Zyn_Text_IO" Value="1"/>', qr/^   package Zyn_Text_IO renames Text_IO;$/m ],
        [ 'binary macro',         '<BINARY_MACRO Name="ZYN_X" Value="1"/>',     qr/^   ZYN_X : constant Boolean := True;$/m ],
        [ 'optional defined',     '<OPTIONAL_MACRO Name="ZYN_O" Defined="1" Value="7"/>', qr/^   ZYN_O : constant := 7;$/m ],
        [ 'string with quotes',   '<CONSTANTSTRINGADA Name="Zyn_S"><VALUE>say "hi"</VALUE></CONSTANTSTRINGADA>',
            qr/^   Zyn_S : constant String := "say ""hi""";$/m ],
        [ 'renaming of no unit',  '<RENAMEADA Name="Text_IO" Value="1"/>', qr/renaming Text_IO does not name its unit/ ],
        [ 'type without value',   '<TYPEADA Name="Zyn_T"><VALUE/></TYPEADA>', qr/declaration of Zyn_T has no value/ ],
        [ 'name that is no name', '<CONSTANTADA Name="Zyn max"><VALUE>1</VALUE></CONSTANTADA>', qr/"Zyn max" is not a plain name/ ],
    );
    for my $row (@rows) {
        my ( $why, $macro, $expected ) = @$row;
        my $gen = tempdir( CLEANUP => 1 );
        my $doc = spew( "$gen/a.xdp",
            qq{<ZYN Name="A" type="ADA"><LIBCONF><LIBCONFA><CONSTANTS Label="C"><COMMENT/><W>$macro</W>}
              . qq{</CONSTANTS></LIBCONFA></LIBCONF></ZYN>} );
        my ( $status, $err ) = generate( $doc, $gen );
        my $refused = $why =~ /no unit|without|no name/;
        if ($refused) {
            isnt $status, 0, "$why: refused";
            like $err, $expected, "$why: says why";
            ok !-e "$gen/a", "$why: nothing generated";
        }
        else {
            is $status, 0, "$why: generated" or diag $err;
            like slurp("$gen/a/zynlibconf.ads"), $expected, "$why: declaration";
            ok !-e "$gen/a/zynlibconf.adb", "$why: no body without code";
        }
    }
};

subtest 'Java constants are typed by their literal' => sub {
    my @rows = (
        [ 'string',          '"a \"b\""',  'String ZYN_K = "a \"b\""' ],
        [ 'int',             '8192',       'int ZYN_K = 8192' ],
        [ 'int expression',  '8 * 1024',   'int ZYN_K = 8 * 1024' ],
        [ 'hexadecimal',     '0x1F',       'int ZYN_K = 0x1F' ],
        [ 'long',            '10000000000L', 'long ZYN_K = 10000000000L' ],
        [ 'double',          '1.5',        'double ZYN_K = 1.5' ],
        [ 'boolean',         'false',      'boolean ZYN_K = false' ],
        [ 'char',            q{'x'},       q{char ZYN_K = 'x'} ],
        [ 'not a literal',   'compute()',  undef ],
    );
    for my $row (@rows) {
        my ( $why, $value, $expected ) = @$row;
        my $gen = tempdir( CLEANUP => 1 );
        my $doc = spew( "$gen/j.xdp",
            qq{<ZYN Name="J" type="J2SE"><LIBCONF><LIBCONFJAVA><CONSTANTS Label="C"><COMMENT/>}
              . '<W><TEXT_MACRO Name="ZYN_K"><VALUE>' . xml_attr($value) . '</VALUE></TEXT_MACRO></W>'
              . qq{</CONSTANTS></LIBCONFJAVA></LIBCONF></ZYN>} );
        my ( $status, $err ) = generate( $doc, $gen );
        if ( defined $expected ) {
            is $status, 0, "$why: generated" or diag $err;
            like slurp("$gen/j/ZynTarget.java"), qr/^    public static final \Q$expected\E;$/m, "$why: constant";
        }
        else {
            isnt $status, 0, "$why: refused";
            like $err, qr/Java constant ZYN_K is not a literal/, "$why: says why";
        }
    }
};

subtest 'label line follows the root type exactly' => sub {
    my @rows = (
        [ 'CCPP',     'type="CCPP"',  'C++ Gcc Linux' ],
        [ 'ADA',      'type="ADA"',   'Ada Gcc Linux' ],
        [ 'lower',    'type="ccpp"',  'Ada Gcc Linux' ],
        [ 'blank',    'type="CCPP "', 'Ada Gcc Linux' ],
        [ 'no type',  '',             'Ada Gcc Linux' ],
    );
    for my $row (@rows) {
        my ( $why, $type, $label ) = @$row;
        my $scratch = tempdir( CLEANUP => 1 );
        ( my $doc = $C_DOC ) =~ s/type="CCPP"/$type/;
        generate( spew( "$scratch/t.xdp", $doc ), $scratch );
        my ($first) = split /\n/, slurp("$scratch/t/t.ini") // '';
        is $first, qq{NAME="$label"}, $why;
    }
};

subtest 'regenerating replaces outputs and keeps other files' => sub {
    my $gen = tempdir( CLEANUP => 1 );
    generate( "$DATA/target_c.xdp", $gen );
    spew( "$gen/target_c/run.sh",   'stale' );
    spew( "$gen/target_c/mine.txt", 'kept' );
    my ($status) = generate( "$DATA/target_c.xdp", $gen );
    is $status, 0, 'second run succeeds';
    like slurp("$gen/target_c/run.sh"), qr/^#!\/bin\/sh/, 'output rewritten';
    is slurp("$gen/target_c/mine.txt"), 'kept', 'unrelated file kept';
    is_deeply [ grep { /^\./ } @{ files_in("$gen/target_c") } ], [], 'no temporary files left';
};

subtest 'hostile carried file names write nothing' => sub {
    my $outside = tempdir( CLEANUP => 1 );
    my @names = ( '../x', "$outside/abs", 'a/b', '..', '.', '', 'a\\b', 'zynbuild.pm',
        'logo.bin', 'x' x 300 );
    for my $file (qw(run.sh logo.bin)) {
        for my $name (@names) {
            next if $name eq $file;
            my $gen = tempdir( CLEANUP => 1 );
            ( my $doc = $C_DOC ) =~ s/Name="\Q$file\E"/'Name="' . xml_attr($name) . '"'/e;
            spew( "$outside/doc.xdp", $doc );
            my ( $status, $err ) = generate( "$outside/doc.xdp", $gen );
            my $why = "$file named '" . substr( $name, 0, 20 ) . "'";
            isnt $status, 0, "$why: refused";
            like $err, qr/^zyngen\.pl: [^\n]+\n\z/, "$why: one message line";
            is_deeply files_in($gen), [], "$why: nothing generated";
            is_deeply files_in($outside), ['doc.xdp'], "$why: nothing written outside";
        }
    }
    ( my $doc = $C_DOC ) =~ s/<NEWCMDFILE Name="run.sh">/<NEWCMDFILE>/;
    my $gen = tempdir( CLEANUP => 1 );
    my ($status) = generate( spew( "$outside/doc.xdp", $doc ), $gen );
    isnt $status, 0, 'missing Name refused';
    is_deeply files_in($gen), [], 'missing Name: nothing generated';
};

subtest 'damaged binary content writes nothing' => sub {
    my @rows = (
        [ 'damaged Base64', sub { s/AAEC\/v9aWU4NCoA=/AAE*C/ } ],
        [ 'wrong size',     sub { s/Size="11"/Size="12"/ } ],
        [ 'other encoding', sub { s/Encoding="base64"/Encoding="uuencode"/ } ],
        [ 'not BASE64',     sub { s/(<\/?)BASE64/$1DATA/g } ],
        [ 'no content',     sub { s/<BASE64.*?<\/BASE64>//s } ],
    );
    for my $row (@rows) {
        my ( $why, $edit ) = @$row;
        my $scratch = tempdir( CLEANUP => 1 );
        local $_ = $C_DOC;
        $edit->();
        my ( $status, $err ) = generate( spew( "$scratch/t.xdp", $_ ), $scratch );
        isnt $status, 0, "$why: refused";
        like $err, qr/logo\.bin/, "$why: message names the file";
        ok !-e "$scratch/t", "$why: nothing generated";
    }
};

subtest 'the document itself is never overwritten' => sub {
    my $gen = tempdir( CLEANUP => 1 );
    mkdir "$gen/t";
    ( my $doc = $C_DOC ) =~ s/Name="run.sh"/Name="t.xdp"/;
    spew( "$gen/t/t.xdp", $doc );
    my ($status) = generate( "$gen/t/t.xdp", $gen );
    isnt $status, 0, 'refused';
    is slurp("$gen/t/t.xdp"), $doc, 'document unchanged';
};

subtest 'bad input: non-zero status and one message line' => sub {
    my $scratch = tempdir( CLEANUP => 1 );
    my $gen     = tempdir( CLEANUP => 1 );
    mkfifo( "$scratch/fifo.xdp", 0600 ) or die "mkfifo: $!";
    mkdir "$scratch/dir.xdp";
    my %docs = (
        'malformed XML'        => '<ZYN><IS></ZYN>',
        'empty document'       => '',
        'other root'           => '<ZYNX Name="a"/>',
        'entity expansion'     => laughs(7),
        'parameter entity'     => qq{<!DOCTYPE ZYN [<!ENTITY % p "x">]>\n<ZYN/>},
        'recursive entities'   => qq{<!DOCTYPE ZYN [<!ENTITY a "&b;"><!ENTITY b "&a;">]>\n<ZYN Name="&a;"/>},
        'external entity'      => qq{<!DOCTYPE ZYN [<!ENTITY x SYSTEM "file:///etc/passwd">]>\n<ZYN>&x;</ZYN>},
        'undeclared entity'    => qq{<!DOCTYPE ZYN SYSTEM "zyn.dtd">\n<ZYN>&x;</ZYN>},
        'line break in Name'   => qq{<ZYN Name="a&#10;NAME=b"/>},
        'bad settings key'     => qq{<ZYN><IS><IS_C><K><INIFIELD><KEY>A=B</KEY><VALUE/></INIFIELD></K></IS_C></IS></ZYN>},
    );
    my @rows = map { [ $_, spew( "$scratch/$_.xdp", $docs{$_} ), $gen ] } sort keys %docs;
    push @rows,
      [ 'missing document',       "$scratch/none.xdp", $gen ],
      [ 'FIFO as document',       "$scratch/fifo.xdp", $gen ],
      [ 'directory as document',  "$scratch/dir.xdp",  $gen ],
      [ 'missing generate-in',    "$DATA/target_c.xdp", "$scratch/none" ],
      [ 'generate-in is a file',  "$DATA/target_c.xdp", "$DATA/target_ada.xdp" ],
      [ 'one argument only',      "$DATA/target_c.xdp" ];
    for my $row (@rows) {
        my ( $why, @args ) = @$row;
        my ( $status, $err ) = generate(@args);
        isnt $status, 0, "$why: non-zero status";
        like $err, qr/^(?:zyngen\.pl: |Usage: )[^\n]+\n\z/, "$why: one message line";
    }
    is_deeply files_in($gen), [], 'nothing generated';
};

SKIP: {
    my @templates = glob "$TEMPLATES/template*.xdp";
    skip 'no templates installed', 1 unless @templates;
    subtest 'every template generates' => sub {
        for my $template (@templates) {
            my $gen = tempdir( CLEANUP => 1 );
            my ( $status, $err ) = generate( $template, $gen );
            ( my $name = $template ) =~ s{.*/|\.xdp$}{}g;
            is $status, 0, "$name: exit status 0" or diag $err;
            my $type  = slurp($template) =~ /<ZYN\b[^>]*\btype="CCPP"/ ? 'C\+\+' : 'Ada';
            like slurp("$gen/$name/$name.ini") // '', qr/\ANAME="$type [^"\n]*"\n/,
              "$name: label line";
        }
    };
}

done_testing;
